#include "core/modem/send_log_query.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace tonalink {
namespace {

void countInto(LogTotal& total, const SendLogRecord& record) {
    ++total.records;
    total.cancelled += record.cancelled ? 1 : 0;
}

std::vector<std::string> distinct(const std::vector<SendLogRecord>& records,
                                  std::string_view (*key)(const SendLogRecord&)) {
    std::vector<std::string_view> keys;
    keys.reserve(records.size());
    for (const auto& record : records)
        keys.push_back(key(record));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return {keys.begin(), keys.end()};
}

std::string_view typeOf(const SendLogRecord& record) {
    return record.field(LogColumn::Type);
}

void appendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string_view calleeOf(const SendLogRecord& record) {
    std::string_view name = record.field(LogColumn::Name);
    return name.empty() ? record.field(LogColumn::CallNo) : name;
}

bool matches(const SendLogRecord& record, const SendLogFilter& filter) {
    if (record.date < filter.fromDate || record.date > filter.toDate)
        return false;
    if (filter.cancelled == CancelledFilter::OnlyCancelled && !record.cancelled)
        return false;
    if (filter.cancelled == CancelledFilter::HideCancelled && record.cancelled)
        return false;
    if (filter.callee && calleeOf(record) != *filter.callee)
        return false;
    return !filter.type || typeOf(record) == *filter.type;
}

LogRows filterRecords(const std::vector<SendLogRecord>& records, const SendLogFilter& filter) {
    LogRows rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (matches(records[i], filter))
            rows.push_back(static_cast<uint32_t>(i));
    }
    return rows;
}

void sortRows(const std::vector<SendLogRecord>& records, LogRows& rows, LogColumn column,
              bool descending) {
    // Keys side by side: a sort that reached into the records at every comparison
    // would spend its time on cache misses.
    struct Key {
        std::string_view text;
        int64_t moment;
        uint32_t row;
    };
    const bool byMoment = column == LogColumn::Date || column == LogColumn::Time;
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (uint32_t row : rows) {
        const SendLogRecord& record = records[row];
        keys.push_back({byMoment ? std::string_view() : record.field(column),
                        int64_t(record.date) * 86400 + record.time, row});
    }
    auto less = [](const Key& a, const Key& b) {
        const int order = a.text.compare(b.text);
        return order != 0 ? order < 0 : a.moment < b.moment;
    };
    // Rows start in file order; a stable sort keeps it among equals either way.
    if (descending)
        std::stable_sort(keys.begin(), keys.end(),
                         [&](const Key& a, const Key& b) { return less(b, a); });
    else
        std::stable_sort(keys.begin(), keys.end(), less);
    for (std::size_t i = 0; i < keys.size(); ++i)
        rows[i] = keys[i].row;
}

std::vector<LogTotal> totalsByCallee(const std::vector<SendLogRecord>& records,
                                     const LogRows& rows) {
    std::unordered_map<std::string_view, std::size_t> at;
    std::vector<LogTotal> totals;
    for (uint32_t row : rows) {
        const std::string_view key = calleeOf(records[row]);
        auto [it, added] = at.try_emplace(key, totals.size());
        if (added)
            totals.push_back({std::string(key)});
        countInto(totals[it->second], records[row]);
    }
    std::sort(totals.begin(), totals.end(), [](const LogTotal& a, const LogTotal& b) {
        return a.records != b.records ? a.records > b.records : a.key < b.key;
    });
    return totals;
}

std::vector<LogTotal> totalsByDay(const std::vector<SendLogRecord>& records, const LogRows& rows) {
    std::map<int32_t, LogTotal> days;
    for (uint32_t row : rows) {
        const SendLogRecord& record = records[row];
        LogTotal& total = days[record.date];
        if (total.records == 0)
            total.key = record.field(LogColumn::Date);
        countInto(total, record);
    }
    std::vector<LogTotal> totals;
    totals.reserve(days.size());
    for (auto& [date, total] : days)
        totals.push_back(std::move(total));
    return totals;
}

std::vector<std::string> distinctCallees(const std::vector<SendLogRecord>& records) {
    return distinct(records, calleeOf);
}

std::vector<std::string> distinctTypes(const std::vector<SendLogRecord>& records) {
    return distinct(records, typeOf);
}

std::string formatCsv(const std::vector<SendLogRecord>& records, const LogRows& rows) {
    std::string out = "Date,Time,CallNo,Name,Type,Message,Command\r\n";
    for (uint32_t row : rows) {
        for (std::size_t c = 0; c < kLogColumnCount; ++c) {
            if (c > 0)
                out += ',';
            appendCsvField(out, records[row].field(static_cast<LogColumn>(c)));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace tonalink
