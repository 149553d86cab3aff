#pragma once

#include "core/pagerdata/phone_book.h"
#include "core/pagerdata/profile_file.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// A contact list moved in and out of the phone book as CSV with a header row.
enum class CsvColumn { Name, PbType, PbCallNo, PhsCallNo, PbPassWord, MsgGroup };
inline constexpr std::size_t kCsvColumnCount = 6;

enum class CsvRefusal {
    None,
    TooLarge,     // more than kMaxCsvBytes
    NotText,      // neither UTF-8 nor CP932
    NoNameColumn, // the header row does not name the Name column
    OpenQuote,    // a quoted field runs to the end of the file
};
enum class CsvRowProblem { NoName, BadName, TooManyFields, BadGroup, BadValue, TooManyRows };

inline constexpr std::size_t kMaxCsvBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kMaxCsvRows = 10000;

struct CalleeCsv {
    CsvRefusal refusal = CsvRefusal::None;
    std::array<bool, kCsvColumnCount> present{}; // columns the header named
    std::vector<std::string> unknownColumns;
    std::vector<PhoneBookEntry> callees; // CP932, rows in order
    struct Problem {
        std::size_t line; // 1-based line of the row's start
        CsvRowProblem problem;
    };
    std::vector<Problem> problems; // rows left out
};

// UTF-8 (with or without a byte-order mark) or, failing that, CP932.
CalleeCsv parseCalleeCsv(std::string_view bytes);
// UTF-8, every column, CR LF line ends; MsgGroup empty for no group.
std::string calleeCsv(const std::vector<PhoneBookEntry>& callees);

struct CsvMerge {
    std::size_t added = 0;
    std::size_t updated = 0;
};
// A row naming an existing callee (ignoring ASCII case) updates the columns the
// CSV has; any other row adds a callee. Nothing changes when a write is refused.
ProfileError mergeCallees(ProfileFile& file, const CalleeCsv& csv, CsvMerge* merge);

} // namespace tonalink
