#pragma once

#include "core/pagerdata/profile_file.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// A contact list moved in and out of the phone book as CSV with a header row
// naming the columns, in any order: Name, PbType, PbCallNo, PhsCallNo,
// PbPassWord, MsgGroup, UserSetFormCnt and the callee's phrases US00, US01, ...
// Other columns are ignored. A record that is valid UTF-8 is UTF-8 (a byte-order
// mark first is skipped); any other record is code page 932 as it stands, so a
// file joined from both kinds reads as written.
enum class CsvRefusal {
    None,
    TooLarge,     // more than kMaxCsvBytes
    NoNameColumn, // the header row does not name the Name column
    OpenQuote,    // a quoted field runs to the end of the file
};
enum class CsvRowProblem {
    NoName,
    BadName,        // no section header can carry it
    TooManyFields,  // more fields than the header has titles
    BadGroup,       // MsgGroup not empty and not 0-4
    BadPhraseCount, // UserSetFormCnt not a count, or a phrase beyond it
    BadValue,       // too long, a line break or blanks at its ends
    NotCp932,       // a character code page 932 does not have
    RepeatedName,   // an earlier row names the same callee
    TooManyRows,    // beyond kMaxCsvRows
    NamesFull,      // the program's list of callee names could not hold it
};

inline constexpr std::size_t kMaxCsvBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kMaxCsvRows = 10000;

// A row left out of an import. `column` is the title of the offending cell (as
// the file writes it), empty when the row as a whole is at fault.
struct CsvProblem {
    std::size_t line = 0; // 1-based line where the record starts
    CsvRowProblem problem = CsvRowProblem::NoName;
    std::string column;

    bool operator==(const CsvProblem&) const = default;
};

struct CsvImport {
    CsvRefusal refusal = CsvRefusal::None;
    ProfileError error = ProfileError::None; // a merge the file refused: nothing changed
    std::vector<std::string> unknownColumns; // titles as the file writes them
    std::size_t added = 0;
    std::size_t updated = 0;
    std::vector<CsvProblem> problems; // in line order
};

// Merges the rows into the phone book in one pass: a row naming a callee
// (ignoring ASCII case) updates the columns the CSV has, any other row adds a
// callee. Every row is checked whole first; a row the phone book cannot hold is
// a problem and left out, the others go in.
CsvImport importCallees(ProfileFile& file, std::string_view csv);

// Every listed callee with every column the import reads, CR LF line ends, in
// UTF-8; a record with bytes that are not code page 932 is written as its bytes
// stand, which the import reads back as they were. MsgGroup is empty for no group.
std::string exportCallees(const ProfileFile& file);

} // namespace tonalink
