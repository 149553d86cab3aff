#include "core/pagerdata/profile_file.h"

#include "core/common/cp932.h"
#include "core/common/file_io.h"

#include <algorithm>
#include <filesystem>
#include <list>
#include <map>
#include <set>

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
           cp932::findChar(name, terminator) == std::string_view::npos;
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
        const std::size_t close = cp932::findChar(inside, ']');
        if (close != std::string_view::npos)
            return {LineKind::Header, trimBlanks(inside.substr(0, close)), {}};
    }
    const std::size_t eq = cp932::findChar(line, '=');
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

std::size_t lineStart(std::string_view all, std::size_t pos) {
    while (pos > 0 && !isLineBreak(all[pos - 1]))
        --pos;
    return pos;
}

struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return compareNames(a, b) < 0; }
};

// Key edits of one section's lines (its header to its last key) as patches on
// the original bytes: only the lines of the keys named by the edits are looked
// at and held, so a section of a million lines costs its bytes once, not a
// node per line. Lines not edited come back byte for byte.
class KeyLinePatch {
public:
    KeyLinePatch(std::string_view text, std::string_view eol,
                 const std::vector<ProfileFile::KeyEdit>& edits)
        : text_(text), eol_(eol) {
        std::set<std::string_view, NameLess> named;
        for (const ProfileFile::KeyEdit& edit : edits) {
            named.insert(edit.key);
            if (!edit.after.empty())
                named.insert(edit.after);
        }
        forEachLine(text, 0, text.size(),
                    [&](std::string_view line, std::size_t start, std::size_t next) {
                        const ParsedLine parsed = parseLine(line);
                        if (parsed.kind != LineKind::Key || !named.count(parsed.name))
                            return;
                        lines_.push_back({start, start + line.size(), next, {}, false, false});
                        byName_[std::string(parsed.name)].push_back(std::prev(lines_.end()));
                    });
        for (const ProfileFile::KeyEdit& edit : edits) {
            if (edit.value)
                set(edit.key, *edit.value, edit.after);
            else
                remove(edit.key);
        }
    }

    // Appends the edited lines to `out`.
    void appendTo(std::string& out) const {
        std::size_t cursor = 0;
        for (const Line& line : lines_) {
            out.append(text_.substr(cursor, line.begin - cursor));
            cursor = line.next;
            if (line.removed)
                continue;
            if (!line.added) {
                out.append(textOf(line)).append(text_.substr(line.stop, line.next - line.stop));
                continue;
            }
            // A line without a line end (the file's end) gets one; the new line
            // takes its place as the open end.
            if (!out.empty() && !isLineBreak(out.back()))
                out.append(eol_);
            out.append(*line.replaced);
            const bool openEnd =
                line.begin == text_.size() && !text_.empty() && !isLineBreak(text_.back());
            if (!openEnd)
                out.append(eol_);
        }
        out.append(text_.substr(cursor));
    }

private:
    struct Line {
        std::size_t begin = 0; // in text_; a new line has begin == stop == next
        std::size_t stop = 0;  // its line end
        std::size_t next = 0;
        std::optional<std::string> replaced;
        bool added = false;
        bool removed = false;
    };
    using LineRef = std::list<Line>::iterator;

    std::string_view textOf(const Line& line) const {
        return line.replaced ? std::string_view(*line.replaced)
                             : text_.substr(line.begin, line.stop - line.begin);
    }

    void set(std::string_view key, std::string_view value, std::string_view after) {
        if (auto it = byName_.find(key); it != byName_.end()) {
            Line& line = *it->second.front();
            line.replaced = std::string(parseLine(textOf(line)).name).append("=").append(value);
            return;
        }
        auto anchor = byName_.find(after);
        const LineRef at =
            anchor != byName_.end() ? std::next(anchor->second.front()) : lines_.end();
        const std::size_t pos =
            anchor != byName_.end() ? anchor->second.front()->next : text_.size();
        Line added{pos, pos, pos, std::string(key).append("=").append(value), true, false};
        byName_[std::string(key)].push_back(lines_.insert(at, std::move(added)));
    }

    void remove(std::string_view key) {
        auto it = byName_.find(key);
        if (it == byName_.end())
            return;
        for (LineRef line : it->second)
            line->removed = true;
        byName_.erase(it);
    }

    std::string_view text_;
    std::string_view eol_;
    std::list<Line> lines_; // the lines edited or named, in the order they are written
    std::map<std::string, std::vector<LineRef>, NameLess> byName_;
};

bool setsAnyKey(const std::vector<ProfileFile::KeyEdit>& edits) {
    return std::any_of(edits.begin(), edits.end(),
                       [](const ProfileFile::KeyEdit& e) { return e.value.has_value(); });
}

ProfileError checkKeyEdits(const std::vector<ProfileFile::KeyEdit>& edits) {
    for (const ProfileFile::KeyEdit& edit : edits) {
        if (!isWritableKey(edit.key))
            return ProfileError::BadName;
        if (edit.value && holdsLineBreakOrNul(*edit.value))
            return ProfileError::BadValue;
    }
    return ProfileError::None;
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

bool ProfileSection::contains(std::string_view key) const {
    return find(key) != nullptr;
}

std::vector<std::string_view> ProfileSection::keyNames() const {
    std::vector<std::string_view> names;
    names.reserve(keys_.size());
    for (const Key& k : keys_)
        names.push_back(nameOf(k));
    return names;
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

std::string ProfileFile::valueAsRead(std::string_view written) {
    return cutToValueBuffer(stripQuotes(trimBlanks(written)));
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

std::vector<std::size_t> ProfileFile::listedSections() const {
    std::vector<std::size_t> listed;
    std::size_t used = 1; // the terminator that ends the list
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const std::size_t length = sections_[i].nameLength;
        // An empty name would end the list early; one that could never fit is junk.
        if (length == 0 || length + 2 > kSectionNamesBufferBytes)
            continue;
        if (used + length + 1 > kSectionNamesBufferBytes)
            break;
        used += length + 1;
        listed.push_back(i);
    }
    return listed;
}

std::vector<std::string> ProfileFile::sectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i : listedSections())
        names.emplace_back(nameOf(sections_[i]));
    return names;
}

std::string_view ProfileFile::sectionNameAt(std::size_t index) const {
    return index < sections_.size() ? nameOf(sections_[index]) : std::string_view();
}

std::optional<std::size_t> ProfileFile::sectionIndex(std::string_view name) const {
    const Section* s = findSection(name);
    if (!s)
        return std::nullopt;
    return static_cast<std::size_t>(s - sections_.data());
}

ProfileSection ProfileFile::section(std::string_view name) const {
    const Section* s = findSection(name);
    return s ? ProfileSection(bytes_, s->bodyBegin, s->bodyEnd) : ProfileSection();
}

ProfileSection ProfileFile::sectionAt(std::size_t index) const {
    if (index >= sections_.size())
        return ProfileSection();
    return ProfileSection(bytes_, sections_[index].bodyBegin, sections_[index].bodyEnd);
}

std::optional<ProfileFile::SectionLines> ProfileFile::sectionLinesAt(std::size_t index) const {
    if (index >= sections_.size())
        return std::nullopt;
    return SectionLines{lineStart(bytes_, sections_[index].nameOffset), sections_[index].insertAt};
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
    return editKeys(section, {{std::string(key), std::string(value)}});
}

ProfileError ProfileFile::deleteKey(std::string_view section, std::string_view key) {
    return editKeys(section, {{std::string(key), std::nullopt}});
}

ProfileError ProfileFile::editKeys(std::string_view section, const std::vector<KeyEdit>& edits) {
    if (!isWritableName(section, ']'))
        return ProfileError::BadName;
    const std::optional<std::size_t> at = sectionIndex(section);
    if (!at && !setsAnyKey(edits))
        return checkKeyEdits(edits);
    return editSections({{at, std::string(section), edits}});
}

ProfileError ProfileFile::editSections(const std::vector<SectionEdit>& edits) {
    std::vector<const SectionEdit*> inPlace;
    std::vector<const SectionEdit*> added;
    std::set<std::string_view, NameLess> newNames;
    for (const SectionEdit& edit : edits) {
        if (const ProfileError e = checkKeyEdits(edit.keys); e != ProfileError::None)
            return e;
        if (edit.at) {
            if (*edit.at >= sections_.size())
                return ProfileError::NoSection;
            inPlace.push_back(&edit);
            continue;
        }
        if (const ProfileError e = checkNewSectionName(edit.name, std::nullopt);
            e != ProfileError::None)
            return e;
        if (!newNames.insert(edit.name).second)
            return ProfileError::NameTaken;
        added.push_back(&edit);
    }
    std::stable_sort(inPlace.begin(), inPlace.end(),
                     [](const SectionEdit* a, const SectionEdit* b) { return *a->at < *b->at; });

    const std::string_view all(bytes_);
    const std::string_view eol = lineEnding();
    std::string out;
    out.reserve(all.size() + 64);
    std::size_t cursor = 0;
    for (std::size_t i = 0; i < inPlace.size();) {
        // Every edit of one section goes into one patch, in the order given.
        const std::size_t index = *inPlace[i]->at;
        std::vector<KeyEdit> keys;
        for (; i < inPlace.size() && *inPlace[i]->at == index; ++i)
            keys.insert(keys.end(), inPlace[i]->keys.begin(), inPlace[i]->keys.end());
        const std::size_t begin = lineStart(all, sections_[index].nameOffset);
        const std::size_t end = sections_[index].insertAt;
        out.append(all.substr(cursor, begin - cursor));
        KeyLinePatch(all.substr(begin, end - begin), eol, keys).appendTo(out);
        cursor = end;
    }
    out.append(all.substr(cursor));
    for (const SectionEdit* edit : added) {
        if (!out.empty() && !isLineBreak(out.back()))
            out.append(eol);
        const std::string header = std::string("[").append(edit->name).append("]").append(eol);
        KeyLinePatch(header, eol, edit->keys).appendTo(out);
    }
    if (out.size() > kMaxFileBytes)
        return ProfileError::TooLarge;
    bytes_ = std::move(out);
    buildIndex();
    return ProfileError::None;
}

ProfileError ProfileFile::splice(std::size_t begin, std::size_t end, std::string_view with) {
    if (bytes_.size() - (end - begin) + with.size() > kMaxFileBytes)
        return ProfileError::TooLarge;
    bytes_.replace(begin, end - begin, with);
    buildIndex();
    return ProfileError::None;
}

ProfileError ProfileFile::appendLines(std::string_view lines) {
    const bool endsOpen = !bytes_.empty() && !isLineBreak(bytes_.back());
    const std::string with = std::string(endsOpen ? lineEnding() : "").append(lines);
    return splice(bytes_.size(), bytes_.size(), with);
}

ProfileError ProfileFile::checkNewSectionName(std::string_view name,
                                              std::optional<std::size_t> renamed) const {
    if (!isWritableName(name, ']'))
        return ProfileError::BadName;
    const std::optional<std::size_t> other = sectionIndex(name);
    return other && other != renamed ? ProfileError::NameTaken : ProfileError::None;
}

ProfileError ProfileFile::appendSection(std::string_view name) {
    if (const ProfileError e = checkNewSectionName(name, std::nullopt); e != ProfileError::None)
        return e;
    return appendLines(std::string("[").append(name).append("]").append(lineEnding()));
}

ProfileError ProfileFile::copySection(std::string_view from, std::string_view to) {
    const Section* s = findSection(from);
    if (!s)
        return ProfileError::NoSection;
    if (const ProfileError e = checkNewSectionName(to, std::nullopt); e != ProfileError::None)
        return e;
    const std::string_view eol = lineEnding();
    std::string lines = std::string("[").append(to).append("]").append(eol);
    lines.append(std::string_view(bytes_).substr(s->bodyBegin, s->insertAt - s->bodyBegin));
    if (!isLineBreak(lines.back()))
        lines.append(eol);
    return appendLines(lines);
}

ProfileError ProfileFile::renameSection(std::string_view from, std::string_view to) {
    const std::optional<std::size_t> index = sectionIndex(from);
    return index ? renameSectionAt(*index, to) : ProfileError::NoSection;
}

ProfileError ProfileFile::renameSectionAt(std::size_t index, std::string_view to) {
    if (index >= sections_.size())
        return ProfileError::NoSection;
    // Renaming the second of two equal names to their own name changes nothing
    // that is read: taken like any other.
    const std::optional<std::size_t> readable = sectionIndex(sectionNameAt(index));
    const std::optional<std::size_t> renamed =
        readable == index ? std::optional(index) : std::nullopt;
    if (const ProfileError e = checkNewSectionName(to, renamed); e != ProfileError::None)
        return e;
    const Section& s = sections_[index];
    return splice(s.nameOffset, s.nameOffset + s.nameLength, to);
}

ProfileError ProfileFile::deleteSection(std::string_view name) {
    const std::optional<std::size_t> index = sectionIndex(name);
    return index ? deleteSectionAt(*index) : ProfileError::NoSection;
}

ProfileError ProfileFile::deleteSectionAt(std::size_t index) {
    if (index >= sections_.size())
        return ProfileError::NoSection;
    return splice(lineStart(bytes_, sections_[index].nameOffset), sections_[index].insertAt, {});
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
