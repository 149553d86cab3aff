#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reading bell.log back as SendLog writes it. Records come out as UTF-8: everything
// that shows or exports them wants UTF-8, and converting once while reading tells a
// line of undecodable bytes from a record.
namespace tonalink {

// The columns of a record, in file order.
enum class LogColumn { Date, Time, CallNo, Name, Type, Message, Command };
inline constexpr std::size_t kLogColumnCount = 7;

struct SendLogRecord {
    std::size_t lineNumber = 0; // the record's first line in the file, from 1
    int32_t date = 0;           // yyyymmdd; years 69-99 are 19xx, 00-68 20xx
    int32_t time = 0;           // seconds since midnight
    bool cancelled = false;     // Command is the broadcast cancel text
    // The fields back to back, UTF-8; a line break inside a field reads as "\n".
    std::string text;
    std::array<uint32_t, kLogColumnCount> ends{};

    std::string_view field(LogColumn column) const;
};

enum class LogLineFault {
    FieldCount,        // not seven fields
    StrayQuote,        // a quote inside an unquoted field or after a closing quote
    UnterminatedQuote, // a quoted field that never closes within the record limit
    TooLong,           // a line above maxRecordBytes
    BadDate,           // not "yy/mm/dd" of a real day
    BadTime,           // not "HH:MM:SS"
    NotText,           // control bytes, or bytes that are not CP932
};

struct MalformedLogLine {
    std::size_t lineNumber = 0;
    LogLineFault fault = LogLineFault::FieldCount;
    // The line for display: UTF-8, undecodable bytes as U+FFFD, cut at maxShownBytes.
    std::string text;
    bool shortened = false;
};

enum class LogReadEnd {
    EndOfFile,
    ByteLimit,   // the file goes on beyond maxBytes
    RecordLimit, // more records than maxRecords
    Cancelled,
    NotFound,
    Failed, // see error
};

struct SendLogLimits {
    std::size_t maxBytes = 64u << 20;
    std::size_t maxRecords = 500000;
    std::size_t maxRecordBytes = 64u << 10; // one record, its quoted line breaks included
    std::size_t maxKeptMalformed = 10000;   // beyond these, malformed lines are only counted
    std::size_t maxShownBytes = 1024;
};

struct SendLogContents {
    std::vector<SendLogRecord> records;
    std::vector<MalformedLogLine> malformed; // the first maxKeptMalformed
    std::size_t malformedCount = 0;          // all of them
    std::size_t linesRead = 0;               // lines taken into a record or reported
    LogReadEnd end = LogReadEnd::EndOfFile;
    std::string error; // path and reason for NotFound and Failed
};

// Never holds more than the limits allow, whatever the file holds. Header lines and
// empty lines are passed over wherever they stand (logs get joined by hand).
SendLogContents readSendLog(const std::string& path, const SendLogLimits& limits = {},
                            const std::atomic<bool>* cancel = nullptr);
SendLogContents parseSendLog(std::string_view bytes, const SendLogLimits& limits = {});

} // namespace tonalink
