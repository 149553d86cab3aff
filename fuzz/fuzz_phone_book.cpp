// The phone book and its editor: every callee reads as a plain reading of the
// file says, through the file and through PhoneBook; moving a callee swaps it
// with the next one the reader lists and keeps every line; adding, renaming and
// writing a callee change that callee only, and refuse only what no section can
// hold.
//
// Input: the edit (a length byte and that many bytes: operation, choices, texts),
// then maddress.dat.
#include "core/pagerdata/numbered_list.h"
#include "core/pagerdata/phone_book.h"
#include "core/pagerdata/phone_book_editing.h"
#include "fuzz_support.h"
#include "phone_book_entries.h"
#include "profile_reference.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using namespace tonalink;
using namespace tonalink::fuzz;

PhoneBookEntry referenceEntry(const ReferenceProfile& ref, const std::string& name) {
    const ReferenceSection* s = ref.find(name);
    auto text = [&](std::string_view key) { return ReferenceProfile::value(s, key).value_or(""); };
    PhoneBookEntry e{name,
                     text("PbType"),
                     text("PbCallNo"),
                     text("PhsCallNo"),
                     text("PbPassWord"),
                     ReferenceProfile::number(s, "MsgGroup").value_or(0),
                     {}};
    const int32_t count = std::clamp(ReferenceProfile::number(s, "UserSetFormCnt").value_or(0), 0,
                                     PhoneBook::kMaxUserPhrases);
    for (int32_t i = 0; i < count; ++i)
        e.UserPhrases.push_back(text(kUserPhraseList.key(static_cast<std::size_t>(i))));
    return e;
}

// Entries of the names that occur once (ignoring case): those a move or an edit
// of another callee must leave as they were.
std::map<std::string, PhoneBookEntry> uniqueEntries(const ProfileFile& file) {
    std::map<std::string, int> seen;
    const std::vector<std::string> names = file.sectionNames();
    for (const std::string& n : names)
        ++seen[foldName(n)];
    std::map<std::string, PhoneBookEntry> out;
    for (const std::string& n : names)
        if (seen[foldName(n)] == 1)
            out.emplace(foldName(n), readPhoneBookEntry(file, n));
    return out;
}

std::multiset<std::string_view> nonEmptyLines(const ReferenceProfile& ref) {
    std::multiset<std::string_view> lines;
    for (const ReferenceLine& l : ref.lines)
        if (!l.text.empty())
            lines.insert(l.text);
    return lines;
}

void checkMove(ProfileFile file, std::size_t index, const ReferenceProfile& ref) {
    const std::vector<std::string> names = file.sectionNames();
    const auto before = uniqueEntries(file);
    const ProfileError result = moveCalleeDown(file, index);
    if (result != ProfileError::None) {
        // Refused only past the end, or with an unnamed section between the two.
        std::vector<std::size_t> listed;
        for (std::size_t i = 0; i < ref.sections.size(); ++i)
            if (!ref.sections[i].name.empty())
                listed.push_back(i);
        FUZZ_CHECK(index + 1 >= listed.size() || listed[index] + 1 != listed[index + 1]);
        return;
    }
    FUZZ_CHECK(index + 1 < names.size());
    std::vector<std::string> swapped = names;
    std::swap(swapped[index], swapped[index + 1]);
    FUZZ_CHECK(file.sectionNames() == swapped);
    FUZZ_CHECK(nonEmptyLines(readReference(file.bytes())) == nonEmptyLines(ref));
    FUZZ_CHECK(uniqueEntries(file).size() == before.size());
    for (const auto& [name, entry] : uniqueEntries(file))
        FUZZ_CHECK(sameEntry(entry, before.at(name)));
}

// A name a section header can carry and the reader reads back as written.
bool holdableName(const std::string& name) {
    if (name.empty() || name.size() > kCalleeNameMaxBytes || name.find('\0') != std::string::npos ||
        name.front() == ' ' || name.front() == '\t' || name.back() == ' ' || name.back() == '\t')
        return false;
    const ReferenceProfile probe = readReference("[" + name + "]\r\n");
    return probe.sections.size() == 1 && probe.sections[0].name == name && probe.lines.size() == 1;
}

void checkOthersKept(const std::map<std::string, PhoneBookEntry>& before, const ProfileFile& file,
                     const std::set<std::string>& changed) {
    const auto after = uniqueEntries(file);
    for (const auto& [name, entry] : before)
        if (!changed.count(name))
            FUZZ_CHECK(after.count(name) && sameEntry(after.at(name), entry));
}

void checkAdd(ProfileFile file, const std::string& name) {
    const std::string old = file.bytes();
    const std::vector<std::string> names = file.sectionNames();
    const auto before = uniqueEntries(file);
    const ProfileError result = addCallee(file, name);
    const bool taken = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
        return foldName(n) == foldName(name);
    });
    if (result != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old);
        FUZZ_CHECK(taken || !holdableName(name));
        return;
    }
    FUZZ_CHECK(!taken && holdableName(name));
    std::vector<std::string> added = names;
    added.push_back(name);
    FUZZ_CHECK(file.sectionNames() == added);
    PhoneBookEntry empty;
    empty.Name = name;
    FUZZ_CHECK(sameEntry(readPhoneBookEntry(file, name), empty));
    checkOthersKept(before, file, {});
}

void checkRename(ProfileFile file, const std::string& from, const std::string& to) {
    const std::string old = file.bytes();
    const auto before = uniqueEntries(file);
    PhoneBookEntry expected = readPhoneBookEntry(file, from);
    if (renameCallee(file, from, to) != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old);
        return;
    }
    FUZZ_CHECK(holdableName(to));
    expected.Name = to;
    FUZZ_CHECK(sameEntry(readPhoneBookEntry(file, to), expected));
    checkOthersKept(before, file, {foldName(from), foldName(to)});
}

void checkWrite(ProfileFile file, FuzzInput& in, const std::string& name) {
    const std::string old = file.bytes();
    const auto before = uniqueEntries(file);
    PhoneBookEntry entry = readPhoneBookEntry(file, name);
    const uint8_t which = in.byte();
    std::string* fields[] = {&entry.PbType, &entry.PbCallNo, &entry.PhsCallNo, &entry.PbPassWord};
    for (int f = 0; f < 4; ++f)
        if (which & (1 << f))
            *fields[f] = in.text();
    if (which & 16)
        entry.MsgGroup = in.byte() % 6;
    if (which & 32) {
        entry.UserPhrases.resize(in.byte() % 4);
        for (std::string& phrase : entry.UserPhrases)
            phrase = in.text();
    }
    if (writeCallee(file, entry) != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old);
        return;
    }
    FUZZ_CHECK(sameEntry(readPhoneBookEntry(file, name), entry));
    checkOthersKept(before, file, {foldName(name)});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FuzzInput edit = in.sub();
    const std::string bytes = in.rest();
    const auto file = ProfileFile::fromBytes(bytes);
    if (!file)
        return 0;
    const ReferenceProfile ref = readReference(bytes);
    const std::vector<std::string> names = file->sectionNames();
    for (const std::string& name : names)
        FUZZ_CHECK(sameEntry(readPhoneBookEntry(*file, name), referenceEntry(ref, name)));

    PhoneBook book(emptyScratchFolder("book"));
    scratchFile("book/MAddress.dat", bytes);
    FUZZ_CHECK(book.ListPhoneBook() == 0 && book.PhoneBookNames == names);
    const std::vector<int32_t> groups = book.ReadMsgGroups(-1);
    for (std::size_t i = 0; i < names.size(); ++i)
        FUZZ_CHECK(groups[i] ==
                   ReferenceProfile::number(ref.find(names[i]), "MsgGroup").value_or(-1));

    const uint8_t operation = edit.byte();
    const std::string picked = names.empty() ? std::string() : names[edit.byte() % names.size()];
    switch (operation % 4) {
    case 0:
        checkMove(*file, names.empty() ? 0 : edit.byte() % names.size(), ref);
        break;
    case 1:
        checkAdd(*file, edit.text());
        break;
    case 2:
        checkRename(*file, picked, edit.text());
        break;
    default:
        if (!picked.empty())
            checkWrite(*file, edit, picked);
        break;
    }
    return 0;
}
