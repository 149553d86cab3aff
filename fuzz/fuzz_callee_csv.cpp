// CSV import and export of callees: an import into a phone book is all or
// nothing, names each row it leaves out, changes no more callees than it says
// and, done again, changes nothing; an export imported into an empty book gives
// every callee back, or names the row of one no book can hold.
//
// Input: the phone book to import into (a length byte and that many bytes), then
// the CSV file.
#include "core/common/cp932.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/phone_book_editing.h"
#include "fuzz_support.h"
#include "profile_reference.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

using namespace tonalink;
using namespace tonalink::fuzz;

std::vector<PhoneBookEntry> listedEntries(const ProfileFile& file) {
    std::vector<PhoneBookEntry> out;
    for (std::size_t i : file.listedSections())
        out.push_back(phoneBookEntryAt(file, i));
    return out;
}

// A callee with bytes that do not come back from UTF-8 as they are (no code page
// 932, or an NEC-selected IBM extension) goes out as its bytes stand; when
// those bytes happen to be valid UTF-8 the import reads them as UTF-8, so such a
// book cannot come back byte for byte.
bool misreadAsUtf8(const PhoneBookEntry& e) {
    std::vector<std::string> fields = {e.Name, e.PbType, e.PbCallNo, e.PhsCallNo, e.PbPassWord};
    fields.insert(fields.end(), e.UserPhrases.begin(), e.UserPhrases.end());
    std::string all;
    bool cp932 = true;
    for (const std::string& f : fields) {
        all += f;
        const auto utf8 = cp932::toUtf8(f);
        cp932 = cp932 && utf8 && cp932::fromUtf8(*utf8) == f;
    }
    return !cp932 && cp932::isValidUtf8(all);
}

// What an export of `book` imported into an empty book holds.
void checkRoundTrip(const ProfileFile& book) {
    const std::vector<PhoneBookEntry> entries = listedEntries(book);
    if (std::any_of(entries.begin(), entries.end(), misreadAsUtf8))
        return;
    const std::string csv = exportCallees(book);
    ProfileFile fresh;
    const CsvImport result = importCallees(fresh, csv);
    FUZZ_CHECK(result.refusal == CsvRefusal::None && result.error == ProfileError::None);
    FUZZ_CHECK(result.unknownColumns.empty() && result.updated == 0);
    // The export writes one callee a line after its header line.
    std::vector<PhoneBookEntry> expected;
    std::set<std::string> names;
    std::size_t line = 1;
    auto problem = result.problems.begin();
    for (PhoneBookEntry entry : entries) {
        ++line;
        // Read in column order: a value no key line holds is found before the name.
        const std::string* texts[] = {&entry.PbType, &entry.PbCallNo, &entry.PhsCallNo,
                                      &entry.PbPassWord};
        const bool badValue =
            !std::all_of(std::begin(texts), std::end(texts),
                         [](const std::string* v) { return keyLineHolds(*v); }) ||
            std::any_of(entry.UserPhrases.begin(), entry.UserPhrases.end(),
                        [](const std::string& v) { return v.find('\0') != std::string::npos; });
        std::optional<CsvRowProblem> left;
        if (badValue)
            left = CsvRowProblem::BadValue;
        else if (!headerHolds(entry.Name, kCalleeNameMaxBytes))
            left = CsvRowProblem::BadName;
        else if (!names.insert(foldName(entry.Name)).second)
            left = CsvRowProblem::RepeatedName;
        if (left) {
            FUZZ_CHECK(problem != result.problems.end() && problem->line == line);
            FUZZ_CHECK(problem->problem == *left);
            ++problem;
            continue;
        }
        if (entry.MsgGroup < 1 || entry.MsgGroup > 4)
            entry.MsgGroup = 0; // no group is written as none
        expected.push_back(entry);
    }
    FUZZ_CHECK(problem == result.problems.end());
    FUZZ_CHECK(result.added == expected.size());
    FUZZ_CHECK(listedEntries(fresh) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FuzzInput bookPart = in.sub();
    auto book = ProfileFile::fromBytes(bookPart.rest());
    const std::string csv = in.rest();
    const ProfileFile before = *book;
    checkRoundTrip(before);

    const CsvImport first = importCallees(*book, csv);
    if (first.refusal != CsvRefusal::None || first.error != ProfileError::None) {
        FUZZ_CHECK(book->bytes() == before.bytes() && first.added + first.updated == 0);
        return 0;
    }
    // Sections keep their places and names; the added ones come after them.
    FUZZ_CHECK(book->sectionCount() == before.sectionCount() + first.added);
    std::size_t changed = 0;
    for (std::size_t i = 0; i < before.sectionCount(); ++i) {
        FUZZ_CHECK(book->sectionNameAt(i) == before.sectionNameAt(i));
        changed += phoneBookEntryAt(*book, i) != phoneBookEntryAt(before, i);
    }
    FUZZ_CHECK(changed <= first.updated);
    std::vector<std::string> names = before.sectionNames();
    std::string unquoted = csv;
    std::erase(unquoted, '"');
    for (std::size_t i = before.sectionCount(); i < book->sectionCount(); ++i) {
        const std::string name(book->sectionNameAt(i));
        names.push_back(name);
        // A valid UTF-8 file is read as UTF-8: each new name is there as written,
        // its quotes aside.
        if (cp932::isValidUtf8(csv) && name.find('"') == std::string::npos)
            FUZZ_CHECK(unquoted.find(cp932::toUtf8(name).value_or("\n")) != std::string::npos);
    }
    FUZZ_CHECK(book->sectionNames() == names);

    // The same file again finds every callee it names as it left them.
    const ProfileFile once = *book;
    const CsvImport second = importCallees(*book, csv);
    FUZZ_CHECK(second.error == ProfileError::None && second.problems == first.problems);
    FUZZ_CHECK(second.added == 0 && second.updated == first.added + first.updated);
    FUZZ_CHECK(book->bytes() == once.bytes());
    checkRoundTrip(once);
    return 0;
}
