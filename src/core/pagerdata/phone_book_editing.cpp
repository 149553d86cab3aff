#include "core/pagerdata/phone_book_editing.h"

#include "core/common/cp932.h"
#include "core/pagerdata/numbered_list.h"

#include <algorithm>

namespace tonalink {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The start of the comment lines right above the line at `pos`, not reaching
// back before `floor` (the end of the section before).
std::size_t commentsAbove(std::string_view all, std::size_t pos, std::size_t floor) {
    while (pos > floor) {
        std::size_t stop = pos;
        if (stop > 0 && all[stop - 1] == '\n')
            --stop;
        if (stop > 0 && all[stop - 1] == '\r')
            --stop;
        std::size_t start = stop;
        while (start > 0 && !isLineBreak(all[start - 1]))
            --start;
        const std::string_view line = trimmed(all.substr(start, stop - start));
        if (start < floor || line.empty() || line.front() != ';')
            break;
        pos = start;
    }
    return pos;
}

std::string_view lineEndOf(std::string_view all) {
    const std::size_t at = all.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\r\n";
    if (all[at] == '\n')
        return "\n";
    return (at + 1 < all.size() && all[at + 1] == '\n') ? "\r\n" : "\r";
}

} // namespace

bool storableValue(std::string_view value) {
    return value.size() < ProfileFile::kValueBufferBytes &&
           value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos &&
           ProfileFile::valueAsRead(value) == value;
}

FieldCheck checkCallNumber(std::string_view number) {
    if (number.size() > kCallNumberMaxBytes)
        return FieldCheck::TooLong;
    const bool dialable = std::all_of(number.begin(), number.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '*' || c == '#' || c == ',';
    });
    return dialable ? FieldCheck::Ok : FieldCheck::BadCharacter;
}

FieldCheck checkPassword(std::string_view password) {
    return password.size() > kPasswordMaxBytes ? FieldCheck::TooLong : FieldCheck::Ok;
}

ProfileError checkCalleeName(std::string_view name) {
    if (name.empty() || name.size() > kCalleeNameMaxBytes || trimmed(name) != name)
        return ProfileError::BadName;
    // The header rules (a ']' of its own ends the name, a trail byte does not).
    ProfileFile probe;
    return probe.appendSection(name);
}

std::size_t listedNameBytes(const ProfileFile& file) {
    std::size_t used = 1;
    for (std::size_t i : file.listedSections())
        used += file.sectionNameAt(i).size() + 1;
    return used;
}

ProfileError addCallee(ProfileFile& file, std::string_view name) {
    if (const ProfileError e = checkCalleeName(name); e != ProfileError::None)
        return e;
    if (file.sectionIndex(name))
        return ProfileError::NameTaken;
    if (listedNameBytes(file) + name.size() + 1 > ProfileFile::kSectionNamesBufferBytes)
        return ProfileError::TooLarge;
    return file.appendSection(name);
}

ProfileError renameCallee(ProfileFile& file, std::size_t section, std::string_view to) {
    if (const ProfileError e = checkCalleeName(to); e != ProfileError::None)
        return e;
    const std::size_t from = file.sectionNameAt(section).size();
    if (listedNameBytes(file) + to.size() > ProfileFile::kSectionNamesBufferBytes + from)
        return ProfileError::TooLarge;
    return file.renameSectionAt(section, to);
}

ProfileError calleeEdits(const ProfileSection& current, const PhoneBookEntry& entry,
                         std::vector<ProfileFile::KeyEdit>& edits) {
    const auto text = [&](std::string_view key, const std::string& value) {
        if (!storableValue(value))
            return false;
        if (current.readString(key) != value)
            edits.push_back({std::string(key), value});
        return true;
    };
    if (!text("PbType", entry.PbType) || !text("PbCallNo", entry.PbCallNo) ||
        !text("PhsCallNo", entry.PhsCallNo) || !text("PbPassWord", entry.PbPassWord))
        return ProfileError::BadValue;
    if (current.readInt("MsgGroup", 0) != entry.MsgGroup)
        edits.push_back({"MsgGroup", entry.MsgGroup == 0
                                         ? std::nullopt
                                         : std::optional(std::to_string(entry.MsgGroup))});
    if (readListValues(current, kUserPhraseList, PhoneBook::kMaxUserPhrases) == entry.UserPhrases)
        return ProfileError::None;
    return listEdits(current, kUserPhraseList, entry.UserPhrases, PhoneBook::kMaxUserPhrases,
                     edits);
}

ProfileError writeCallee(ProfileFile& file, std::size_t section, const PhoneBookEntry& entry) {
    if (section >= file.sectionCount())
        return ProfileError::NoSection;
    std::vector<ProfileFile::KeyEdit> edits;
    if (const ProfileError e = calleeEdits(file.sectionAt(section), entry, edits);
        e != ProfileError::None)
        return e;
    if (edits.empty())
        return ProfileError::None;
    return file.editSections({{section, {}, std::move(edits)}});
}

ProfileError moveCalleeDown(ProfileFile& file, std::size_t index) {
    const std::vector<std::size_t> listed = file.listedSections();
    // An unlisted section between the two would be jumped over: not a neighbour.
    if (index + 1 >= listed.size() || listed[index] + 1 != listed[index + 1])
        return ProfileError::NoSection;
    const std::string_view all = file.bytes();
    const auto block = [&](std::size_t section) {
        const ProfileFile::SectionLines lines = *file.sectionLinesAt(section);
        const std::size_t floor = section == 0 ? 0 : file.sectionLinesAt(section - 1)->end;
        return ProfileFile::SectionLines{commentsAbove(all, lines.begin, floor), lines.end};
    };
    const ProfileFile::SectionLines upper = block(listed[index]);
    const ProfileFile::SectionLines lower = block(listed[index + 1]);
    std::string first(all.substr(lower.begin, lower.end - lower.begin));
    // The last section may end without a line break; it needs one when it moves up.
    if (!first.empty() && !isLineBreak(first.back()))
        first.append(lineEndOf(all));
    std::string bytes(all.substr(0, upper.begin));
    bytes.append(first)
        .append(all.substr(upper.end, lower.begin - upper.end))
        .append(all.substr(upper.begin, upper.end - upper.begin))
        .append(all.substr(lower.end));
    auto moved = ProfileFile::fromBytes(std::move(bytes));
    if (!moved)
        return ProfileError::TooLarge;
    file = std::move(*moved);
    return ProfileError::None;
}

namespace {

std::vector<std::size_t> calleesOfType(const ProfileFile& file, std::string_view type) {
    std::vector<std::size_t> found;
    for (std::size_t i : file.listedSections())
        if (cp932::equalIgnoringAsciiCase(file.sectionAt(i).readString("PbType"), type))
            found.push_back(i);
    return found;
}

} // namespace

std::size_t countCalleesOfType(const ProfileFile& file, std::string_view type) {
    return calleesOfType(file, type).size();
}

ProfileError retypeCallees(ProfileFile& file, std::string_view from, std::string_view to) {
    if (!storableValue(to))
        return ProfileError::BadValue;
    std::vector<ProfileFile::SectionEdit> edits;
    for (std::size_t i : calleesOfType(file, from))
        edits.push_back({i, {}, {{"PbType", std::string(to)}}});
    return file.editSections(edits);
}

} // namespace tonalink
