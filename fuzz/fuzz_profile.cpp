// Profile files: every key of every readable section reads as a plain reading
// of the file says, and one edit (a key set or removed, several at once, a
// section added, copied, renamed or removed) changes the readings it should and
// keeps every other byte.
//
// Input: the edit (a length byte and that many bytes: operation, choices, names
// and values), then the file.
#include "core/pagerdata/profile_file.h"
#include "fuzz_support.h"
#include "profile_reference.h"

#include <map>
#include <set>

namespace {

using namespace tonalink;
using namespace tonalink::fuzz;

// (section, key) -> value as read, for every readable key.
using Readings = std::map<std::pair<std::string, std::string>, std::string>;

Readings readingsOf(const ReferenceProfile& ref) {
    Readings out;
    std::set<std::string> seen;
    for (const ReferenceSection& s : ref.sections) {
        if (!seen.insert(foldName(s.name)).second)
            continue;
        for (const ReferenceKey& k : s.keys)
            out.emplace(std::pair(foldName(s.name), foldName(k.name)),
                        *ReferenceProfile::value(&s, k.name));
    }
    return out;
}

void checkSection(const ProfileSection& section, const ReferenceSection& s) {
    std::set<std::string> keys;
    for (const ReferenceKey& k : s.keys) {
        keys.insert(foldName(k.name));
        FUZZ_CHECK(section.readString(k.name, "\x01") == *ReferenceProfile::value(&s, k.name));
        FUZZ_CHECK(section.readInt(k.name, 7) == ReferenceProfile::number(&s, k.name).value_or(7));
    }
    std::set<std::string> listed;
    for (std::string_view name : section.keyNames())
        listed.insert(foldName(name));
    FUZZ_CHECK(listed == keys);
}

// Each section read by its name (the first of a name) and by its place.
void checkReads(const ProfileFile& file, const ReferenceProfile& ref) {
    FUZZ_CHECK(file.sectionNames() == ref.listedNames());
    FUZZ_CHECK(file.listedSections() == ref.listed());
    FUZZ_CHECK(file.sectionCount() == ref.sections.size());
    std::map<std::string, std::size_t> first;
    for (std::size_t i = 0; i < ref.sections.size(); ++i) {
        const ReferenceSection& s = ref.sections[i];
        FUZZ_CHECK(file.sectionNameAt(i) == s.name);
        checkSection(file.sectionAt(i), s);
        if (first.emplace(foldName(s.name), i).second)
            checkSection(file.section(s.name), s);
        if (!s.name.empty())
            FUZZ_CHECK(file.sectionIndex(s.name) == first.at(foldName(s.name)));
    }
}

// Picks an existing name by index, or takes the text.
std::string pick(FuzzInput& in, bool existing, const std::vector<std::string>& names) {
    if (existing && !names.empty())
        return names[in.byte() % names.size()];
    return in.text();
}

std::vector<std::string> keyNamesOf(const ReferenceSection* s) {
    std::vector<std::string> names;
    if (s)
        for (const ReferenceKey& k : s->keys)
            names.push_back(k.name);
    return names;
}

struct Line {
    std::string_view text;
    std::string_view eol;
};

// The lines of a file except the key lines of `section` named in `keys` (and its
// header when `withHeader`), and except empty lines: a line added with a lone CR
// before an empty LF line takes that line into its CR LF, which loses nothing.
std::vector<Line> linesWithout(std::string_view bytes, const ReferenceProfile& ref,
                               std::string_view section, const std::set<std::string>& keys,
                               bool withHeader) {
    std::set<std::size_t> dropped;
    if (const ReferenceSection* s = ref.find(section)) {
        for (const ReferenceKey& k : s->keys)
            if (keys.count(foldName(k.name)))
                dropped.insert(k.line);
        if (withHeader)
            dropped.insert(s->headerLine);
    }
    std::vector<Line> out;
    for (std::size_t i = 0; i < ref.lines.size(); ++i)
        if (!dropped.count(i) && !ref.lines[i].text.empty())
            out.push_back({ref.lines[i].text,
                           bytes.substr(ref.lines[i].end, ref.lines[i].next - ref.lines[i].end)});
    return out;
}

// Equal lines; the old file's last line may have gained a line end, and a lone CR
// may have become CR LF by taking in an empty line.
bool sameLines(const std::vector<Line>& before, const std::vector<Line>& after) {
    if (before.size() != after.size())
        return false;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool lastGainedEnd = i + 1 == before.size() && before[i].eol.empty();
        const bool tookEmptyLine = before[i].eol == "\r" && after[i].eol == "\r\n";
        if (before[i].text != after[i].text ||
            (before[i].eol != after[i].eol && !lastGainedEnd && !tookEmptyLine))
            return false;
    }
    return true;
}

std::string lineEndOf(std::string_view bytes) {
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos || bytes.substr(at, 2) == "\r\n")
        return "\r\n";
    return std::string(1, bytes[at]);
}

std::string withLinesAppended(std::string_view bytes, std::string_view lines) {
    std::string out(bytes);
    if (!out.empty() && out.back() != '\n' && out.back() != '\r')
        out += lineEndOf(bytes);
    return out.append(lines);
}

// Readings equal apart from the sections named `except`.
void checkOtherSections(const Readings& before, const Readings& after,
                        const std::set<std::string>& except) {
    auto others = [&](const Readings& r) {
        Readings out;
        for (const auto& [at, value] : r)
            if (!except.count(at.first))
                out.emplace(at, value);
        return out;
    };
    FUZZ_CHECK(others(before) == others(after));
}

void editKeys(FuzzInput& in, ProfileFile& file, const ReferenceProfile& ref, bool pickSection) {
    const std::string& old = file.bytes();
    const std::string original = old;
    std::vector<std::string> sections;
    for (const ReferenceSection& s : ref.sections)
        sections.push_back(s.name);
    const std::string section = pick(in, pickSection, sections);
    const std::vector<std::string> keys = keyNamesOf(ref.find(section));
    std::vector<ProfileFile::KeyEdit> edits(in.byte() % 4 + 1);
    for (ProfileFile::KeyEdit& edit : edits) {
        const uint8_t how = in.byte();
        edit.key = pick(in, how & 1, keys);
        if (how & 2)
            edit.value = in.text();
        edit.after = pick(in, how & 4, keys);
    }
    const ProfileError result = file.editKeys(section, edits);
    if (result != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == original);
        return;
    }
    const ReferenceProfile now = readReference(file.bytes());
    // The last edit of a key decides it.
    std::map<std::string, std::optional<std::string>> final;
    for (const ProfileFile::KeyEdit& edit : edits)
        final[foldName(edit.key)] = edit.value;
    std::set<std::string> edited;
    for (const auto& [key, value] : final) {
        edited.insert(key);
        const auto read = ReferenceProfile::value(now.find(section), key);
        FUZZ_CHECK(read ==
                   (value ? std::optional(ProfileFile::valueAsRead(*value)) : std::nullopt));
    }
    Readings before = readingsOf(ref), after = readingsOf(now);
    std::erase_if(before, [&](const auto& r) {
        return r.first.first == foldName(section) && edited.count(r.first.second);
    });
    std::erase_if(after, [&](const auto& r) {
        return r.first.first == foldName(section) && edited.count(r.first.second);
    });
    FUZZ_CHECK(before == after);
    const bool added = ref.find(section) == nullptr;
    FUZZ_CHECK(sameLines(linesWithout(original, ref, section, edited, false),
                         linesWithout(file.bytes(), now, section, edited, added)));
}

void editSection(int operation, FuzzInput& in, ProfileFile& file, const ReferenceProfile& ref,
                 bool pickSection) {
    const std::string old = file.bytes();
    std::vector<std::string> sections;
    for (const ReferenceSection& s : ref.sections)
        sections.push_back(s.name);
    const std::string from = pick(in, pickSection, sections);
    const std::string to = in.text();
    const ReferenceSection* source = ref.find(from);
    const std::string eol = lineEndOf(old);
    ProfileError result = ProfileError::None;
    std::string expected;
    std::set<std::string> changed{foldName(from)};
    switch (operation) {
    case 0:
        result = file.appendSection(from);
        expected = withLinesAppended(old, "[" + from + "]" + eol);
        break;
    case 1: {
        result = file.copySection(from, to);
        if (!source)
            break;
        std::string lines = "[" + to + "]" + eol +
                            old.substr(source->bodyBegin, source->lastKeyEnd - source->bodyBegin);
        if (lines.back() != '\n' && lines.back() != '\r')
            lines += eol;
        expected = withLinesAppended(old, lines);
        changed = {foldName(to)};
        break;
    }
    case 2:
        result = file.renameSection(from, to);
        if (source)
            expected = old.substr(0, source->nameBegin) + to +
                       old.substr(source->nameBegin + source->name.size());
        changed.insert(foldName(to));
        break;
    default:
        result = file.deleteSection(from);
        if (source)
            expected = old.substr(0, source->headerBegin) + old.substr(source->lastKeyEnd);
        break;
    }
    if (result != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old);
        return;
    }
    FUZZ_CHECK(file.bytes() == expected);
    const ReferenceProfile now = readReference(file.bytes());
    checkOtherSections(readingsOf(ref), readingsOf(now), changed);
    if (operation == 1 || operation == 2) {
        // The new name reads what the old one did.
        for (const ReferenceKey& k : source->keys)
            FUZZ_CHECK(ReferenceProfile::value(now.find(to), k.name) ==
                       ReferenceProfile::value(source, k.name));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FuzzInput args = in.sub();
    const uint8_t operation = args.byte();
    const uint8_t choice = args.byte();
    const std::string bytes = in.rest();
    auto file = ProfileFile::fromBytes(bytes);
    if (!file)
        return 0;
    const ReferenceProfile ref = readReference(bytes);
    checkReads(*file, ref);
    switch (operation % 8) {
    case 0:
    case 1:
        editKeys(args, *file, ref, choice & 1);
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        editSection(operation % 8 - 2, args, *file, ref, choice & 1);
        break;
    default:
        return 0;
    }
    checkReads(*file, readReference(file->bytes()));
    return 0;
}
