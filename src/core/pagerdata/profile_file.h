#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tonalink {

enum class ProfileError {
    None,
    Missing,     // no such file
    TooLarge,    // larger than ProfileFile::kMaxFileBytes
    Unreadable,  // exists but cannot be read (not a regular file, no permission)
    BadName,     // a section or key name that cannot be written as one line
    BadValue,    // a value holding CR, LF or NUL
    WriteFailed, // the replacement file could not be written
    NoSection,   // the section to rename, copy or delete is not there
    NameTaken,   // another section already has the new name
};

// The keys of one section of a ProfileFile, indexed once so that reading many
// keys (a pager type has hundreds) never scans the section again. Refers to the
// file's bytes: it must not outlive the ProfileFile nor see it edited.
class ProfileSection {
public:
    ProfileSection() = default; // a missing section: every read gives its default

    // The value cut to 99 bytes, never inside a double-byte character.
    std::string readString(std::string_view key, std::string_view fallback = {}) const;
    // Decimal digits after an optional sign, wrapping modulo 2^32; fallback when the
    // key is missing or its value is empty.
    int32_t readInt(std::string_view key, int32_t fallback) const;
    bool contains(std::string_view key) const;
    // The readable key names, each once, sorted ignoring ASCII case.
    std::vector<std::string_view> keyNames() const;

private:
    friend class ProfileFile;
    struct Key {
        uint32_t nameOffset = 0; // offsets into the whole file
        uint32_t nameLength = 0;
        uint32_t valueOffset = 0;
        uint32_t valueLength = 0;
    };

    ProfileSection(std::string_view file, std::size_t begin, std::size_t end);
    const Key* find(std::string_view key) const;
    std::string_view nameOf(const Key& key) const;
    std::string_view valueOf(const Key& key) const;

    std::string_view file_;
    std::vector<Key> keys_; // sorted by name, the first key of each name only
};

// One INI ("private profile") file held as bytes, with the reading rules the data
// files were written for: names compared ignoring ASCII case, blanks around keys
// and values removed, one pair of enclosing quotes removed, string values cut to
// 99 bytes, decimal integers, the first section of a name and the first key of a
// name win, keys before the first section unreadable. Loading indexes the
// sections; a section's keys are indexed when it is asked for. Edits change only
// their own line and keep every other byte of the file.
class ProfileFile {
public:
    // Larger files are refused. The data files are a few hundred kilobytes; the
    // indexes take at most about six times the file size.
    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;
    // Values are read through a buffer of this size including its terminator.
    static constexpr std::size_t kValueBufferBytes = 100;
    // Section names are listed through a buffer of this size: each name takes its
    // length plus a terminator and the list ends with one more terminator. A name
    // that does not fit whole ends the list; a name longer than the buffer itself
    // is skipped.
    static constexpr std::size_t kSectionNamesBufferBytes = 32767;

    ProfileFile() = default; // an empty file: every read gives its default

    // nullopt when bytes is larger than kMaxFileBytes.
    static std::optional<ProfileFile> fromBytes(std::string bytes);
    static std::optional<ProfileFile> load(const std::string& path, ProfileError* error = nullptr);
    // The defaults of an empty file when the file cannot be loaded.
    static ProfileFile loadOrEmpty(const std::string& path, ProfileError* error = nullptr);
    // As load, but a file that is not there is an empty one, as every read treats
    // it: nullopt only for a file that is there and cannot be read.
    static std::optional<ProfileFile> loadAbsentAsEmpty(const std::string& path,
                                                        ProfileError* error = nullptr);

    const std::string& bytes() const { return bytes_; }
    // What a key line written with the value `written` reads back as.
    static std::string valueAsRead(std::string_view written);

    // Section names in file order (a name that occurs twice is listed twice),
    // bounded by kSectionNamesBufferBytes; empty names are skipped since a
    // terminator-separated list cannot hold them.
    std::vector<std::string> sectionNames() const;
    // The first section called `name`, or an empty one.
    ProfileSection section(std::string_view name) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    int32_t readInt(std::string_view section, std::string_view key, int32_t fallback) const;

    // Every section by its place in the file, a name that occurs twice counted
    // twice: an editor reaches the second of two equal names this way, which no
    // name reaches.
    std::size_t sectionCount() const { return sections_.size(); }
    std::string_view sectionNameAt(std::size_t index) const;
    ProfileSection sectionAt(std::size_t index) const;
    // The places of the sections sectionNames() lists, in its order.
    std::vector<std::size_t> listedSections() const;
    // The place of the first section called `name`: the one that is read.
    std::optional<std::size_t> sectionIndex(std::string_view name) const;
    // A section's bytes from its header line to the end of its last key line.
    struct SectionLines {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    std::optional<SectionLines> sectionLinesAt(std::size_t index) const;

    // Sets one value in memory: replaces the key's line (keeping the file's
    // spelling of the key), or adds the key after the last key of its section, or
    // adds the section at the end, in the file's line-end style.
    ProfileError writeString(std::string_view section, std::string_view key,
                             std::string_view value);
    // Removes every line of the key from the section (a later duplicate would
    // otherwise become readable). A missing section or key is no error.
    ProfileError deleteKey(std::string_view section, std::string_view key);

    // One change of a key: a value sets it as writeString does, none deletes it.
    // A key that is new goes after the line of `after` when the section has it.
    struct KeyEdit {
        std::string key;
        std::optional<std::string> value;
        std::string after = {};
    };
    // The edits in order, in one pass over the file: an editor rewriting a list
    // of hundreds of keys costs one copy of the file, not hundreds. Nothing
    // changes when any edit is refused.
    ProfileError editKeys(std::string_view section, const std::vector<KeyEdit>& edits);

    // The key edits of many sections: `at` names a section of the file; without
    // it `name` is a new section added at the end (in the order given). All in
    // one pass, so an import of thousands of callees costs one
    // copy of the file. Nothing changes when any edit is refused: NoSection,
    // BadName, NameTaken (a new name already in the file or given twice),
    // BadValue, TooLarge.
    struct SectionEdit {
        std::optional<std::size_t> at;
        std::string name;
        std::vector<KeyEdit> keys;
    };
    ProfileError editSections(const std::vector<SectionEdit>& edits);

    // Section operations by name act on the first section of a name, the one
    // that is read, and keep every byte outside their own lines.
    // Adds an empty section at the end.
    ProfileError appendSection(std::string_view name);
    // Adds a section at the end holding the key lines of `from` (and the
    // comments between them) byte for byte.
    ProfileError copySection(std::string_view from, std::string_view to);
    // Replaces the name inside the header line; a change of case only is allowed.
    ProfileError renameSection(std::string_view from, std::string_view to);
    ProfileError renameSectionAt(std::size_t index, std::string_view to);
    // Removes the header line and the lines up to the section's last key. The
    // comments and blank lines after it stay: they usually introduce the next one.
    ProfileError deleteSection(std::string_view name);
    ProfileError deleteSectionAt(std::size_t index);
    ProfileError save(const std::string& path, std::string* detail = nullptr) const;

private:
    struct Section {
        uint32_t nameOffset = 0;
        uint32_t nameLength = 0;
        uint32_t bodyBegin = 0; // the line after the header
        uint32_t bodyEnd = 0;   // the next header line, or the end of the file
        uint32_t insertAt = 0;  // just after the last key line, or the header line
    };

    explicit ProfileFile(std::string bytes);
    void buildIndex();
    std::string_view nameOf(const Section& s) const;
    const Section* findSection(std::string_view name) const;
    std::string_view lineEnding() const;
    // The file with [begin, end) replaced, indexed again.
    ProfileError splice(std::size_t begin, std::size_t end, std::string_view with);
    // Appends whole lines at the end, after a line end if the file lacks one.
    ProfileError appendLines(std::string_view lines);
    // BadName, or NameTaken by a section other than the one at `renamed`.
    ProfileError checkNewSectionName(std::string_view name,
                                     std::optional<std::size_t> renamed) const;

    std::string bytes_;
    std::vector<Section> sections_;          // file order
    std::vector<uint32_t> readableSections_; // first section of each name, sorted by name
};

// Reads `path` (an absent file counts as empty), sets the values in order and
// replaces the file atomically. Nothing is written when any step is refused.
ProfileError writeProfileStrings(const std::string& path, std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& values,
                                 std::string* detail = nullptr);

} // namespace tonalink
