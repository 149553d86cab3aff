#include "core/pagerdata/profile_file.h"

#include "core/common/cp932.h"
#include "core/common/file_io.h"

#include <algorithm>
#include <filesystem>

namespace tonalink {
namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
constexpr bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Section and key names ignore the case of ASCII letters, as Windows has them.
constexpr auto& compareNames = cp932::compareIgnoringAsciiCase;

bool isLead(char c) {
    return cp932::isLeadByte(static_cast<unsigned char>(c));
}

// Position of the first `c` that is a character of its own, never the second
// byte of a double-byte character.
std::size_t findChar(std::string_view s, char c) {
    for (std::size_t i = 0; i < s.size(); i += isLead(s[i]) ? 2 : 1) {
        if (s[i] == c)
            return i;
    }
    return std::string_view::npos;
}

// True when the last double-byte character misses its second byte; such a name
// would swallow the '=' or ']' written after it.
bool endsInsideCharacter(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size())
        i += isLead(s[i]) ? 2 : 1;
    return i > s.size();
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view stripQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string cutToValueBuffer(std::string_view v) {
    return std::string(
        v.substr(0, cp932::clampToCharBoundary(v, ProfileFile::kValueBufferBytes - 1)));
}

bool holdsLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool isWritableName(std::string_view name, char terminator) {
    return !name.empty() && !holdsLineBreakOrNul(name) && !isBlank(name.front()) &&
           !isBlank(name.back()) && !endsInsideCharacter(name) &&
           findChar(name, terminator) == std::string_view::npos;
}

bool isWritableKey(std::string_view key) {
    return isWritableName(key, '=') && key.front() != ';' && key.front() != '[';
}

enum class LineKind { Other, Header, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // blanks removed; may be empty for a key
    std::string_view value; // blanks removed, quotes kept
};

ParsedLine parseLine(std::string_view line) {
    const std::string_view text = trimBlanks(line);
    if (text.empty() || text.front() == ';')
        return {};
    if (text.front() == '[') {
        const std::string_view inside = text.substr(1);
        const std::size_t close = findChar(inside, ']');
        if (close != std::string_view::npos)
            return {LineKind::Header, trimBlanks(inside.substr(0, close)), {}};
    }
    const std::size_t eq = findChar(line, '=');
    if (eq == std::string_view::npos)
        return {};
    return {LineKind::Key, trimBlanks(line.substr(0, eq)), trimBlanks(line.substr(eq + 1))};
}

// Calls f(line, lineStart, nextLineStart) for each line of all[begin, end); lines
// end in CR LF, LF or CR.
template <class F>
void forEachLine(std::string_view all, std::size_t begin, std::size_t end, F&& f) {
    std::size_t pos = begin;
    while (pos < end) {
        std::size_t stop = pos;
        while (stop < end && !isLineBreak(all[stop]))
            ++stop;
        std::size_t next = stop;
        if (next < end)
            next += (all[next] == '\r' && next + 1 < end && all[next + 1] == '\n') ? 2 : 1;
        f(all.substr(pos, stop - pos), pos, next);
        pos = next;
    }
}

uint32_t offsetIn(std::string_view all, std::string_view part) {
    return static_cast<uint32_t>(part.data() - all.data());
}

} // namespace

ProfileSection::ProfileSection(std::string_view file, std::size_t begin, std::size_t end)
    : file_(file) {
    forEachLine(file, begin, end, [&](std::string_view line, std::size_t, std::size_t) {
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == LineKind::Key && !parsed.name.empty())
            keys_.push_back({offsetIn(file, parsed.name), static_cast<uint32_t>(parsed.name.size()),
                             offsetIn(file, parsed.value),
                             static_cast<uint32_t>(parsed.value.size())});
    });
    // The first key of a name wins: a stable sort keeps file order among equals.
    auto less = [this](const Key& a, const Key& b) {
        return compareNames(nameOf(a), nameOf(b)) < 0;
    };
    auto same = [this](const Key& a, const Key& b) {
        return compareNames(nameOf(a), nameOf(b)) == 0;
    };
    std::stable_sort(keys_.begin(), keys_.end(), less);
    keys_.erase(std::unique(keys_.begin(), keys_.end(), same), keys_.end());
}

std::string_view ProfileSection::nameOf(const Key& key) const {
    return file_.substr(key.nameOffset, key.nameLength);
}

std::string_view ProfileSection::valueOf(const Key& key) const {
    return stripQuotes(file_.substr(key.valueOffset, key.valueLength));
}

const ProfileSection::Key* ProfileSection::find(std::string_view key) const {
    auto it =
        std::lower_bound(keys_.begin(), keys_.end(), key, [this](const Key& k, std::string_view n) {
            return compareNames(nameOf(k), n) < 0;
        });
    if (it == keys_.end() || compareNames(nameOf(*it), key) != 0)
        return nullptr;
    return &*it;
}

std::string ProfileSection::readString(std::string_view key, std::string_view fallback) const {
    const Key* k = find(key);
    return cutToValueBuffer(k ? valueOf(*k) : fallback);
}

int32_t ProfileSection::readInt(std::string_view key, int32_t fallback) const {
    const Key* k = find(key);
    if (!k)
        return fallback;
    const std::string_view v = valueOf(*k);
    if (v.empty())
        return fallback;
    std::size_t i = 0;
    const bool negative = v[0] == '-';
    if (v[0] == '-' || v[0] == '+')
        ++i;
    uint32_t n = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i)
        n = n * 10u + static_cast<uint32_t>(v[i] - '0');
    return static_cast<int32_t>(negative ? 0u - n : n);
}

ProfileFile::ProfileFile(std::string bytes) : bytes_(std::move(bytes)) {
    buildIndex();
}

std::optional<ProfileFile> ProfileFile::fromBytes(std::string bytes) {
    if (bytes.size() > kMaxFileBytes)
        return std::nullopt;
    return ProfileFile(std::move(bytes));
}

std::optional<ProfileFile> ProfileFile::load(const std::string& path, ProfileError* error) {
    auto fail = [error](ProfileError e) {
        if (error)
            *error = e;
        return std::nullopt;
    };
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return fail(ProfileError::Missing);
    if (ec || status.type() != std::filesystem::file_type::regular)
        return fail(ProfileError::Unreadable);
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxFileBytes)
        return fail(ProfileError::TooLarge);
    auto bytes = readFileBounded(path, kMaxFileBytes);
    if (!bytes)
        return fail(ProfileError::Unreadable);
    if (error)
        *error = ProfileError::None;
    return ProfileFile(std::move(*bytes));
}

ProfileFile ProfileFile::loadOrEmpty(const std::string& path, ProfileError* error) {
    auto file = load(path, error);
    return file ? std::move(*file) : ProfileFile();
}

std::optional<ProfileFile> ProfileFile::loadAbsentAsEmpty(const std::string& path,
                                                          ProfileError* error) {
    ProfileError why = ProfileError::None;
    std::optional<ProfileFile> file = load(path, &why);
    if (!file && why == ProfileError::Missing) {
        file = ProfileFile();
        why = ProfileError::None;
    }
    if (error)
        *error = why;
    return file;
}

void ProfileFile::buildIndex() {
    sections_.clear();
    readableSections_.clear();
    const std::string_view all(bytes_);
    forEachLine(all, 0, all.size(),
                [&](std::string_view line, std::size_t start, std::size_t next) {
                    const ParsedLine parsed = parseLine(line);
                    if (parsed.kind == LineKind::Header) {
                        if (!sections_.empty())
                            sections_.back().bodyEnd = static_cast<uint32_t>(start);
                        sections_.push_back(
                            {offsetIn(all, parsed.name), static_cast<uint32_t>(parsed.name.size()),
                             static_cast<uint32_t>(next), static_cast<uint32_t>(all.size()),
                             static_cast<uint32_t>(next)});
                    } else if (parsed.kind == LineKind::Key && !sections_.empty()) {
                        sections_.back().insertAt = static_cast<uint32_t>(next);
                    }
                });

    // Only the first section of a name can be read: sort stably, keep the first
    // of every run of equal names.
    readableSections_.resize(sections_.size());
    for (uint32_t i = 0; i < readableSections_.size(); ++i)
        readableSections_[i] = i;
    auto name = [this](uint32_t i) { return nameOf(sections_[i]); };
    std::stable_sort(readableSections_.begin(), readableSections_.end(),
                     [&](uint32_t a, uint32_t b) { return compareNames(name(a), name(b)) < 0; });
    readableSections_.erase(
        std::unique(readableSections_.begin(), readableSections_.end(),
                    [&](uint32_t a, uint32_t b) { return compareNames(name(a), name(b)) == 0; }),
        readableSections_.end());
}

std::string_view ProfileFile::nameOf(const Section& s) const {
    return std::string_view(bytes_).substr(s.nameOffset, s.nameLength);
}

const ProfileFile::Section* ProfileFile::findSection(std::string_view name) const {
    auto it = std::lower_bound(readableSections_.begin(), readableSections_.end(), name,
                               [this](uint32_t i, std::string_view n) {
                                   return compareNames(nameOf(sections_[i]), n) < 0;
                               });
    if (it == readableSections_.end() || compareNames(nameOf(sections_[*it]), name) != 0)
        return nullptr;
    return &sections_[*it];
}

std::vector<std::string> ProfileFile::sectionNames() const {
    std::vector<std::string> names;
    std::size_t used = 1; // the terminator that ends the list
    for (const Section& s : sections_) {
        // An empty name would end the list early; one that could never fit is junk.
        if (s.nameLength == 0 || s.nameLength + 2 > kSectionNamesBufferBytes)
            continue;
        if (used + s.nameLength + 1 > kSectionNamesBufferBytes)
            break;
        used += s.nameLength + 1;
        names.emplace_back(nameOf(s));
    }
    return names;
}

ProfileSection ProfileFile::section(std::string_view name) const {
    const Section* s = findSection(name);
    return s ? ProfileSection(bytes_, s->bodyBegin, s->bodyEnd) : ProfileSection();
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    return this->section(section).readString(key, fallback);
}

int32_t ProfileFile::readInt(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    return this->section(section).readInt(key, fallback);
}

std::string_view ProfileFile::lineEnding() const {
    const std::size_t at = bytes_.find_first_of("\r\n");
    if (at == std::string::npos ||
        (bytes_[at] == '\r' && at + 1 < bytes_.size() && bytes_[at + 1] == '\n'))
        return "\r\n";
    return bytes_[at] == '\r' ? "\r" : "\n";
}

ProfileError ProfileFile::writeString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    if (!isWritableName(section, ']') || !isWritableKey(key))
        return ProfileError::BadName;
    if (holdsLineBreakOrNul(value))
        return ProfileError::BadValue;
    const std::string_view all(bytes_);
    const std::string_view eol = lineEnding();
    const bool endsOpen = !all.empty() && !isLineBreak(all.back());
    std::string out;

    if (const Section* s = findSection(section)) {
        const ProfileSection keys(all, s->bodyBegin, s->bodyEnd);
        if (const ProfileSection::Key* k = keys.find(key)) {
            // Replace the whole line, keeping the file's spelling of the name.
            std::size_t begin = k->nameOffset;
            while (begin > 0 && !isLineBreak(all[begin - 1]))
                --begin;
            std::size_t end = k->valueOffset + k->valueLength;
            while (end < all.size() && !isLineBreak(all[end]))
                ++end;
            out.append(all.substr(0, begin));
            out.append(keys.nameOf(*k)).append("=").append(value);
            out.append(all.substr(end));
        } else {
            const std::size_t at = s->insertAt;
            out.append(all.substr(0, at));
            if (at == all.size() && endsOpen)
                out.append(eol).append(key).append("=").append(value);
            else
                out.append(key).append("=").append(value).append(eol);
            out.append(all.substr(at));
        }
    } else {
        out.append(all);
        if (endsOpen)
            out.append(eol);
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(value).append(eol);
    }
    if (out.size() > kMaxFileBytes)
        return ProfileError::TooLarge;
    bytes_ = std::move(out);
    buildIndex();
    return ProfileError::None;
}

ProfileError ProfileFile::save(const std::string& path, std::string* detail) const {
    return writeFileAtomically(path, bytes_, detail) ? ProfileError::None
                                                     : ProfileError::WriteFailed;
}

ProfileError writeProfileStrings(const std::string& path, std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& values,
                                 std::string* detail) {
    ProfileError error = ProfileError::None;
    std::optional<ProfileFile> file = ProfileFile::loadAbsentAsEmpty(path, &error);
    if (!file)
        return error;
    for (const auto& [key, value] : values) {
        error = file->writeString(section, key, value);
        if (error != ProfileError::None)
            return error;
    }
    return file->save(path, detail);
}

} // namespace tonalink
