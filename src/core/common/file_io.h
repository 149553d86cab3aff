#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tonalink {

// open() that accepts only a regular file and never waits: a FIFO nobody writes
// to blocks open(), and a device never stops giving bytes. Anything else fails
// with ENXIO, "not a regular file" in `error`. Adds O_CLOEXEC and O_NOCTTY; the
// descriptor is returned blocking. Returns -1 with errno set on failure.
int openRegularFile(const std::string& path, int flags, mode_t mode = 0,
                    std::string* error = nullptr);

// Reads a whole file, refusing files larger than maxBytes so that a wrong path
// (a device, a huge file) can never exhaust memory.
std::optional<std::string> readFileBounded(const std::string& path, std::size_t maxBytes,
                                           std::string* error = nullptr);

// The file `path` names once symbolic links are followed (relative targets from
// the link's folder), whether or not that file exists yet; `path` itself when it is
// no link. Nothing for a chain of links that does not end.
std::optional<std::string> followLinks(const std::string& path);

// Replaces `path` with `bytes` through a temporary file in the same folder and a
// rename, so readers see either the old or the new file, never a torn one. A link
// is written through: its target is replaced, in the target's folder. When that
// folder takes no new file but the file may be written, the file is overwritten in
// place and its old bytes put back if that fails. A `path` that exists and is not
// a regular file is refused, never replaced.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// What a file held when it was read: an editor about to save compares it with
// the file as it is then, to find a change someone else made in between. The
// content decides: a file written again with the same bytes is no change.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t hash = 0; // FNV-1a of the bytes

    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOfBytes(std::string_view bytes);
// The file as it is now: not there, or its stamp; nullopt when it is there and
// cannot be read (or is larger than maxBytes).
std::optional<FileStamp> stampOfFile(const std::string& path, std::size_t maxBytes);

// Writes every byte to an open descriptor, retrying short and interrupted writes.
bool writeAll(int fd, std::string_view bytes);

// Appends and flushes to disk; creates the file when missing.
bool appendToFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Finds `name` in `dir` whatever the case of its ASCII letters (data files written
// on Windows arrive as CALL.DAT or call.dat). Returns the full path.
std::optional<std::string> findFileIgnoringCase(const std::string& dir, std::string_view name);

} // namespace tonalink
