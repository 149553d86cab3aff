// CSV import and export of callees: the rows an import takes export and import
// back unchanged, and merging them into a phone book sets exactly the columns
// the file has on exactly the callees it names, all rows or none.
//
// Input: the phone book to merge into (a length byte and that many bytes), then
// the CSV file.
#include "core/common/cp932.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/phone_book_editing.h"
#include "fuzz_support.h"
#include "phone_book_entries.h"
#include "profile_reference.h"

#include <map>

namespace {

using namespace tonalink;
using namespace tonalink::fuzz;

void checkMerge(const std::string& bookBytes, const CalleeCsv& csv) {
    auto book = ProfileFile::fromBytes(bookBytes);
    const std::string old = book->bytes();
    CsvMerge counts;
    const ProfileError result = mergeCallees(*book, csv, &counts);
    if (result != ProfileError::None) {
        FUZZ_CHECK(book->bytes() == old);
        return;
    }
    FUZZ_CHECK(counts.added + counts.updated == csv.callees.size());
    // The last row of a name decides each column it has.
    const ProfileFile before = *ProfileFile::fromBytes(old);
    std::map<std::string, PhoneBookEntry> expected;
    for (const PhoneBookEntry& row : csv.callees) {
        std::string name = row.Name;
        for (const std::string& n : before.sectionNames())
            if (foldName(n) == foldName(row.Name)) {
                name = n;
                break;
            }
        auto [it, fresh] = expected.try_emplace(foldName(name), readPhoneBookEntry(before, name));
        PhoneBookEntry& e = it->second;
        if (csv.present[1])
            e.PbType = row.PbType;
        if (csv.present[2])
            e.PbCallNo = row.PbCallNo;
        if (csv.present[3])
            e.PhsCallNo = row.PhsCallNo;
        if (csv.present[4])
            e.PbPassWord = row.PbPassWord;
        if (csv.present[5])
            e.MsgGroup = row.MsgGroup;
    }
    for (const auto& [folded, entry] : expected)
        FUZZ_CHECK(sameEntry(readPhoneBookEntry(*book, entry.Name), entry));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    FuzzInput bookPart = in.sub();
    const std::string book = bookPart.rest();
    const std::string bytes = in.rest();
    const CalleeCsv csv = parseCalleeCsv(bytes);
    if (csv.refusal != CsvRefusal::None)
        return 0;
    // A valid UTF-8 file is read as UTF-8: each name is there as written.
    const bool utf8 = decodeUtf8(bytes).has_value();
    for (const PhoneBookEntry& row : csv.callees) {
        FUZZ_CHECK(!row.Name.empty() && row.MsgGroup >= 0 && row.MsgGroup <= 4);
        if (utf8 && row.Name.find('"') == std::string::npos)
            FUZZ_CHECK(bytes.find(cp932::toUtf8(row.Name).value_or("\n")) != std::string::npos);
    }

    const CalleeCsv again = parseCalleeCsv(calleeCsv(csv.callees));
    FUZZ_CHECK(again.refusal == CsvRefusal::None && again.problems.empty());
    FUZZ_CHECK(std::equal(csv.callees.begin(), csv.callees.end(), again.callees.begin(),
                          again.callees.end(), sameEntry));
    // Rows the import took can all be merged: no cell refused by the writer.
    auto file = ProfileFile::fromBytes(book);
    CsvMerge counts;
    FUZZ_CHECK(mergeCallees(*file, csv, &counts) == ProfileError::None);
    checkMerge(book, csv);
    return 0;
}
