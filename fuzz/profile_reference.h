#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A slow, plain reading of a profile file by its documented rules, written apart
// from the indexed reader so the targets can check the reader and the editors
// against it.
namespace tonalink::fuzz {

struct ReferenceLine {
    std::size_t begin = 0;
    std::size_t end = 0;  // where its line end starts
    std::size_t next = 0; // the following line
    std::string_view text;
};

struct ReferenceKey {
    std::string name;  // blanks removed
    std::string value; // blanks removed, quotes kept
    std::size_t line = 0;
};

struct ReferenceSection {
    std::string name;
    std::size_t nameBegin = 0;
    std::size_t headerLine = 0; // index into lines
    std::size_t headerBegin = 0;
    std::size_t bodyBegin = 0;
    std::size_t lastKeyEnd = 0;     // after its last line with '=', or bodyBegin
    std::vector<ReferenceKey> keys; // file order, empty names left out
};

struct ReferenceProfile {
    std::vector<ReferenceLine> lines;
    std::vector<ReferenceSection> sections; // file order

    // The first section of the name, ignoring ASCII case.
    const ReferenceSection* find(std::string_view name) const;
    // What a read gives: the first key of the name, quotes removed, cut to 99 bytes.
    static std::optional<std::string> value(const ReferenceSection* section, std::string_view key);
    static std::optional<int32_t> number(const ReferenceSection* section, std::string_view key);
    // The places of the sections the reader lists: file order, empty names left
    // out, bounded by the reader's name buffer.
    std::vector<std::size_t> listed() const;
    std::vector<std::string> listedNames() const;
};

ReferenceProfile readReference(std::string_view bytes);

// A section name of at most `maxBytes` that a header line carries and the reader
// reads back as written.
bool headerHolds(std::string_view name, std::size_t maxBytes);
// A value that a key line carries and the reader reads back as written.
bool keyLineHolds(std::string_view value);

// The first `c` that is a character of its own, never the second byte of a
// double-byte one; npos when there is none.
std::size_t firstCharAt(std::string_view s, char c);

// Every ASCII letter that starts a character in upper case: two names are the
// same name when their foldings are equal.
std::string foldName(std::string_view name);

} // namespace tonalink::fuzz
