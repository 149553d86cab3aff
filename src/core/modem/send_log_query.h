#pragma once

#include "core/modem/send_log_reader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Choosing, ordering, counting and exporting records read from bell.log. Rows are
// indexes into the record list, so a view never copies a record.
namespace tonalink {

using LogRows = std::vector<uint32_t>;

enum class CancelledFilter { All, OnlyCancelled, HideCancelled };

struct SendLogFilter {
    int32_t fromDate = 0; // yyyymmdd, both ends included
    int32_t toDate = 99991231;
    std::optional<std::string> callee; // as calleeOf gives it
    std::optional<std::string> type;
    CancelledFilter cancelled = CancelledFilter::All;
};

// Whom a record went to: the phone-book name, or the number when it was typed in.
// The number alone would lump together all callees of one paging centre.
std::string_view calleeOf(const SendLogRecord& record);

bool matches(const SendLogRecord& record, const SendLogFilter& filter);
LogRows filterRecords(const std::vector<SendLogRecord>& records, const SendLogFilter& filter);

// Stable; Date and Time both order by the moment, ties stay in file order.
void sortRows(const std::vector<SendLogRecord>& records, LogRows& rows, LogColumn column,
              bool descending);

struct LogTotal {
    std::string key;
    std::size_t records = 0;
    std::size_t cancelled = 0;
};
// Most records first, then by name.
std::vector<LogTotal> totalsByCallee(const std::vector<SendLogRecord>& records,
                                     const LogRows& rows);
// Keyed by the Date field, earliest first.
std::vector<LogTotal> totalsByDay(const std::vector<SendLogRecord>& records, const LogRows& rows);
// Sorted, for choosing a filter.
std::vector<std::string> distinctCallees(const std::vector<SendLogRecord>& records);
std::vector<std::string> distinctTypes(const std::vector<SendLogRecord>& records);

// UTF-8 CSV of the rows in their order: the log's column header, then one line per
// record, CR LF line ends, a field quoted when it holds a comma, quote or line break.
std::string formatCsv(const std::vector<SendLogRecord>& records, const LogRows& rows);

} // namespace tonalink
