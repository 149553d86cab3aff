#include "core/pagerdata/phone_book_editing.h"

#include "core/common/cp932.h"
#include "core/pagerdata/numbered_list.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tonalink {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

struct Line {
    std::size_t begin = 0;
    std::size_t next = 0; // start of the following line
    std::string_view text;
};

std::vector<Line> splitLines(std::string_view all) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < all.size()) {
        std::size_t stop = pos;
        while (stop < all.size() && all[stop] != '\r' && all[stop] != '\n')
            ++stop;
        std::size_t next = stop;
        if (next < all.size())
            next += (all[next] == '\r' && next + 1 < all.size() && all[next + 1] == '\n') ? 2 : 1;
        lines.push_back({pos, next, all.substr(pos, stop - pos)});
        pos = next;
    }
    return lines;
}

// The name of a header line, read as the profile reader reads it.
std::optional<std::string_view> headerName(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const std::size_t close = text.find(']', 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

bool isKeyLine(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() != ';' && line.find('=') != std::string_view::npos;
}

// A section as one unit of bytes: the comment lines right above its header, the
// header and its lines up to the last key. What lies between two units (blank
// lines, comments set apart) stays in place when units are swapped.
struct Block {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool named = false;
};

bool isComment(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() == ';';
}

std::vector<Block> sectionBlocks(std::string_view all) {
    std::vector<Block> blocks;
    std::size_t lastKeyEnd = 0;
    std::optional<std::size_t> commentsFrom;
    for (const Line& line : splitLines(all)) {
        if (const auto name = headerName(line.text)) {
            if (!blocks.empty())
                blocks.back().end = lastKeyEnd;
            blocks.push_back({commentsFrom.value_or(line.begin), 0, !name->empty()});
            lastKeyEnd = line.next;
        } else if (isKeyLine(line.text) && !blocks.empty()) {
            lastKeyEnd = line.next;
        }
        if (!isComment(line.text))
            commentsFrom.reset();
        else if (!commentsFrom && (blocks.empty() || line.begin >= lastKeyEnd))
            commentsFrom = line.begin;
    }
    if (!blocks.empty())
        blocks.back().end = lastKeyEnd;
    return blocks;
}

std::string_view lineEndOf(std::string_view all) {
    const std::size_t at = all.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\r\n";
    if (all[at] == '\n')
        return "\n";
    return (at + 1 < all.size() && all[at + 1] == '\n') ? "\r\n" : "\r";
}

bool endsInLineBreak(std::string_view s) {
    return !s.empty() && (s.back() == '\n' || s.back() == '\r');
}

} // namespace

bool storableValue(std::string_view value) {
    return value.size() < ProfileFile::kValueBufferBytes &&
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

ProfileError checkCalleeName(const ProfileFile& file, std::string_view name,
                             std::string_view renamed) {
    if (name.empty() || name.size() > kCalleeNameMaxBytes || trimmed(name) != name ||
        name.find(']') != std::string_view::npos)
        return ProfileError::BadName;
    for (const std::string& other : file.sectionNames())
        if (!cp932::equalIgnoringAsciiCase(other, renamed) &&
            cp932::equalIgnoringAsciiCase(other, name))
            return ProfileError::NameTaken;
    ProfileFile probe;
    return probe.appendSection(name);
}

ProfileError addCallee(ProfileFile& file, std::string_view name) {
    if (const ProfileError e = checkCalleeName(file, name); e != ProfileError::None)
        return e;
    return file.appendSection(name);
}

ProfileError renameCallee(ProfileFile& file, std::string_view from, std::string_view to) {
    if (const ProfileError e = checkCalleeName(file, to, from); e != ProfileError::None)
        return e;
    return file.renameSection(from, to);
}

ProfileError writeCallee(ProfileFile& file, const PhoneBookEntry& entry) {
    const ProfileSection section = file.section(entry.Name);
    std::vector<ProfileFile::KeyEdit> edits;
    const auto text = [&](std::string_view key, const std::string& value) {
        if (section.readString(key) != value)
            edits.push_back({std::string(key), value});
    };
    text("PbType", entry.PbType);
    text("PbCallNo", entry.PbCallNo);
    text("PhsCallNo", entry.PhsCallNo);
    text("PbPassWord", entry.PbPassWord);
    if (section.readInt("MsgGroup", 0) != entry.MsgGroup)
        edits.push_back({"MsgGroup", entry.MsgGroup == 0
                                         ? std::nullopt
                                         : std::optional(std::to_string(entry.MsgGroup))});
    for (const ProfileFile::KeyEdit& edit : edits)
        if (edit.value && !storableValue(*edit.value))
            return ProfileError::BadValue;
    for (const std::string& phrase : entry.UserPhrases)
        if (!kUserPhraseList.stored(phrase))
            return ProfileError::BadValue;
    ProfileFile changed = file;
    if (!edits.empty())
        if (const ProfileError e = changed.editKeys(entry.Name, edits); e != ProfileError::None)
            return e;
    if (readListValues(changed.section(entry.Name), kUserPhraseList, PhoneBook::kMaxUserPhrases) !=
        entry.UserPhrases)
        if (const ProfileError e = writeList(changed, entry.Name, kUserPhraseList,
                                             entry.UserPhrases, PhoneBook::kMaxUserPhrases);
            e != ProfileError::None)
            return e;
    file = std::move(changed);
    return ProfileError::None;
}

ProfileError moveCalleeDown(ProfileFile& file, std::size_t index) {
    const std::string& all = file.bytes();
    const std::vector<Block> blocks = sectionBlocks(all);
    // Empty names are not listed: count only the listed sections.
    std::vector<std::size_t> listed;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i].named)
            listed.push_back(i);
    if (index + 1 >= listed.size() || listed[index] + 1 != listed[index + 1])
        return ProfileError::NoSection;
    const Block upper = blocks[listed[index]];
    const Block lower = blocks[listed[index + 1]];
    std::string first = all.substr(lower.begin, lower.end - lower.begin);
    // The last section may end without a line break; it needs one when it moves up.
    if (!endsInLineBreak(first))
        first.append(lineEndOf(all));
    std::string bytes = all.substr(0, upper.begin);
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

} // namespace tonalink
