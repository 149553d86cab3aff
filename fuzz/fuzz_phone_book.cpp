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
#include "profile_reference.h"

#include <algorithm>
#include <set>

namespace {

using namespace tonalink;
using namespace tonalink::fuzz;

PhoneBookEntry referenceEntry(const ReferenceSection* s, const std::string& name) {
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

// Every section's callee by its place, the second of two equal names included.
std::vector<PhoneBookEntry> entriesByPlace(const ProfileFile& file) {
    std::vector<PhoneBookEntry> out;
    for (std::size_t i = 0; i < file.sectionCount(); ++i)
        out.push_back(phoneBookEntryAt(file, i));
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
    const std::vector<PhoneBookEntry> before = entriesByPlace(file);
    if (moveCalleeDown(file, index) != ProfileError::None) {
        // Refused only past the end, or with an unlisted section between the two.
        const std::vector<std::size_t> listed = ref.listed();
        FUZZ_CHECK(index + 1 >= listed.size() || listed[index] + 1 != listed[index + 1]);
        return;
    }
    std::vector<std::string> swapped = names;
    std::swap(swapped.at(index), swapped.at(index + 1));
    FUZZ_CHECK(file.sectionNames() == swapped);
    FUZZ_CHECK(nonEmptyLines(readReference(file.bytes())) == nonEmptyLines(ref));
    std::vector<PhoneBookEntry> expected = before;
    const std::size_t upper = ref.listed()[index];
    std::swap(expected[upper], expected[upper + 1]);
    FUZZ_CHECK(entriesByPlace(file) == expected);
}

// Whether the reader's list of names still has room for `name` once `freed`
// bytes of another name are given back.
bool namesHoldAnother(const ReferenceProfile& ref, const std::string& name, std::size_t freed) {
    std::size_t used = 1;
    for (std::size_t i : ref.listed())
        used += ref.sections[i].name.size() + 1;
    return used + name.size() + 1 <= ProfileFile::kSectionNamesBufferBytes + freed;
}

// Another section than the one at `except` already has the name (ignoring case).
bool nameTaken(const ReferenceProfile& ref, const std::string& name, std::size_t except) {
    for (std::size_t i = 0; i < ref.sections.size(); ++i)
        if (i != except && foldName(ref.sections[i].name) == foldName(name))
            return true;
    return false;
}

void checkAdd(ProfileFile file, const std::string& name, const ReferenceProfile& ref) {
    const std::string old = file.bytes();
    const std::vector<PhoneBookEntry> before = entriesByPlace(file);
    const bool fits = headerHolds(name, kCalleeNameMaxBytes) &&
                      !nameTaken(ref, name, ref.sections.size()) && namesHoldAnother(ref, name, 0);
    if (addCallee(file, name) != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old && !fits);
        return;
    }
    FUZZ_CHECK(fits);
    std::vector<std::string> names = ref.listedNames();
    names.push_back(name);
    FUZZ_CHECK(file.sectionNames() == names);
    std::vector<PhoneBookEntry> expected = before;
    expected.push_back(PhoneBookEntry{name, {}, {}, {}, {}, 0, {}});
    FUZZ_CHECK(entriesByPlace(file) == expected);
}

void checkRename(ProfileFile file, std::size_t place, const std::string& to,
                 const ReferenceProfile& ref) {
    const std::string old = file.bytes();
    std::vector<PhoneBookEntry> expected = entriesByPlace(file);
    const bool exists = place < ref.sections.size();
    const std::size_t freed = exists ? ref.sections[place].name.size() + 1 : 0;
    const bool fits = exists && headerHolds(to, kCalleeNameMaxBytes) &&
                      !nameTaken(ref, to, place) && namesHoldAnother(ref, to, freed);
    if (renameCallee(file, place, to) != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old && !fits);
        return;
    }
    FUZZ_CHECK(fits);
    expected[place].Name = to;
    FUZZ_CHECK(entriesByPlace(file) == expected);
}

void checkWrite(ProfileFile file, FuzzInput& in, std::size_t place) {
    const std::string old = file.bytes();
    std::vector<PhoneBookEntry> expected = entriesByPlace(file);
    PhoneBookEntry entry = expected[place];
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
    if (writeCallee(file, place, entry) != ProfileError::None) {
        FUZZ_CHECK(file.bytes() == old);
        std::vector<std::string> values = entry.UserPhrases;
        for (const std::string* f : fields)
            values.push_back(*f);
        FUZZ_CHECK(!std::all_of(values.begin(), values.end(), keyLineHolds));
        return;
    }
    expected[place] = entry;
    FUZZ_CHECK(entriesByPlace(file) == expected);
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
    FUZZ_CHECK(file->sectionCount() == ref.sections.size());
    for (std::size_t i = 0; i < ref.sections.size(); ++i)
        FUZZ_CHECK(phoneBookEntryAt(*file, i) ==
                   referenceEntry(&ref.sections[i], ref.sections[i].name));
    for (const std::string& name : names)
        FUZZ_CHECK(readPhoneBookEntry(*file, name) == referenceEntry(ref.find(name), name));

    PhoneBook book(emptyScratchFolder("book"));
    scratchFile("book/MAddress.dat", bytes);
    FUZZ_CHECK(book.ListPhoneBook() == 0 && book.PhoneBookNames == names);
    const std::vector<int32_t> groups = book.ReadMsgGroups(-1);
    for (std::size_t i = 0; i < names.size(); ++i)
        FUZZ_CHECK(groups[i] ==
                   ReferenceProfile::number(ref.find(names[i]), "MsgGroup").value_or(-1));

    const uint8_t operation = edit.byte();
    // Any place, the second of two equal names and a section with no name included.
    const std::size_t place = edit.byte() % (ref.sections.size() + 1);
    switch (operation % 4) {
    case 0:
        checkMove(*file, names.empty() ? 0 : edit.byte() % names.size(), ref);
        break;
    case 1:
        checkAdd(*file, edit.text(), ref);
        break;
    case 2:
        checkRename(*file, place, edit.text(), ref);
        break;
    default:
        if (place < ref.sections.size())
            checkWrite(*file, edit, place);
        break;
    }
    return 0;
}
