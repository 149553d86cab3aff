#include "core/modem/send_log_reader.h"

#include "core/common/cp932.h"
#include "core/common/errno_text.h"
#include "core/common/file_io.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <unistd.h>

namespace tonalink {
namespace {

constexpr std::string_view kTitleLine = "Tonalink with Win32 Message Log file";
constexpr std::string_view kColumnLine = "Date,Time,CallNo,Name,Type,Message,Command";
constexpr std::string_view kCancelledCommand = "同報で送信をキャンセル";
constexpr std::size_t kReadChunk = 64u << 10;

// Splits CSV fields one line at a time, so a quoted field may go on over line
// breaks. Fields keep the file's CP932 bytes.
class CsvScanner {
public:
    enum class State { Complete, InQuotes, Fault };

    void reset() {
        m_fields.clear();
        m_current.clear();
        m_field = Field::Start;
        m_bytes = 0;
    }

    State feed(std::string_view line) {
        m_bytes += line.size() + 1;
        if (m_field == Field::Quoted)
            m_current += '\n';
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (m_field == Field::Quoted) {
                if (c != '"')
                    m_current += c;
                else if (i + 1 < line.size() && line[i + 1] == '"')
                    m_current += line[++i];
                else
                    m_field = Field::Closed;
            } else if (c == ',') {
                // Eight fields are as wrong as eighty: stop before a hostile line grows.
                if (m_fields.size() + 1 == kLogColumnCount)
                    return fail(LogLineFault::FieldCount);
                m_fields.push_back(std::move(m_current));
                m_current.clear();
                m_field = Field::Start;
            } else if (m_field == Field::Closed || (c == '"' && m_field == Field::Plain)) {
                return fail(LogLineFault::StrayQuote);
            } else if (c == '"') {
                m_field = Field::Quoted;
            } else {
                m_current += c;
                m_field = Field::Plain;
            }
        }
        if (m_field == Field::Quoted)
            return State::InQuotes;
        m_fields.push_back(std::move(m_current));
        m_current.clear();
        return State::Complete;
    }

    const std::vector<std::string>& fields() const { return m_fields; }
    LogLineFault fault() const { return m_fault; }
    std::size_t bytes() const { return m_bytes; }

private:
    enum class Field { Start, Plain, Quoted, Closed };

    State fail(LogLineFault fault) {
        m_fault = fault;
        return State::Fault;
    }

    std::vector<std::string> m_fields;
    std::string m_current;
    Field m_field = Field::Start;
    LogLineFault m_fault = LogLineFault::FieldCount;
    std::size_t m_bytes = 0;
};

bool digits(std::string_view text, std::size_t at, int& value) {
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return false;
    value = (a - '0') * 10 + (b - '0');
    return true;
}

// "yy/mm/dd" or "HH:MM:SS": three two-digit numbers.
bool threeNumbers(std::string_view text, char separator, int (&n)[3]) {
    return text.size() == 8 && text[2] == separator && text[5] == separator &&
           digits(text, 0, n[0]) && digits(text, 3, n[1]) && digits(text, 6, n[2]);
}

bool parseDate(std::string_view text, int32_t& date) {
    int n[3];
    if (!threeNumbers(text, '/', n) || n[1] < 1 || n[1] > 12 || n[2] < 1)
        return false;
    const int year = n[0] < 69 ? 2000 + n[0] : 1900 + n[0];
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (n[2] > kDays[n[1] - 1] + (n[1] == 2 && leap ? 1 : 0))
        return false;
    date = year * 10000 + n[1] * 100 + n[2];
    return true;
}

bool parseTime(std::string_view text, int32_t& time) {
    int n[3];
    // strftime gives 60 for a leap second.
    if (!threeNumbers(text, ':', n) || n[0] > 23 || n[1] > 59 || n[2] > 60)
        return false;
    time = n[0] * 3600 + n[1] * 60 + n[2];
    return true;
}

bool isControl(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F;
}

// Seven CP932 fields into one UTF-8 record; the fault when they do not make one.
bool buildRecord(const std::vector<std::string>& fields, SendLogRecord& record,
                 LogLineFault& fault) {
    fault = LogLineFault::FieldCount;
    if (fields.size() != kLogColumnCount)
        return false;
    fault = LogLineFault::NotText;
    bool ascii = true;
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        for (char c : fields[i]) {
            if (isControl(static_cast<unsigned char>(c)))
                return false;
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        }
        // NUL cannot be in a field (refused above), so it marks the field ends
        // through the one conversion.
        if (i > 0)
            joined += '\0';
        joined += fields[i];
    }
    if (!ascii) {
        auto utf8 = cp932::toUtf8(joined);
        if (!utf8)
            return false;
        joined = std::move(*utf8);
    }
    record.text.clear();
    record.text.reserve(joined.size());
    std::size_t column = 0;
    for (char c : joined) {
        if (c == '\0')
            record.ends[column++] = static_cast<uint32_t>(record.text.size());
        else
            record.text += c;
    }
    record.ends[column] = static_cast<uint32_t>(record.text.size());
    fault = LogLineFault::BadDate;
    if (!parseDate(record.field(LogColumn::Date), record.date))
        return false;
    fault = LogLineFault::BadTime;
    if (!parseTime(record.field(LogColumn::Time), record.time))
        return false;
    record.cancelled = record.field(LogColumn::Command) == kCancelledCommand;
    return true;
}

struct PhysicalLine {
    std::size_t number;
    std::string bytes; // without its line end
    bool cut;          // longer than a record may be; the rest was not kept
};

// Turns bytes into records and malformed lines. A record may run over several lines
// only inside a quoted field; when such a run does not end in a good record, its
// first line is reported and reading goes on from the second, so one stray quote
// never swallows the records after it.
class LogParser {
public:
    LogParser(const SendLogLimits& limits, SendLogContents& out) : m_limits(limits), m_out(out) {}

    bool running() const { return !m_stopped; }

    void feed(std::string_view bytes) {
        while (!bytes.empty() && !m_stopped) {
            const std::size_t lineEnd = bytes.find('\n');
            appendToLine(bytes.substr(0, lineEnd));
            if (lineEnd == std::string_view::npos)
                return;
            endLine();
            bytes.remove_prefix(lineEnd + 1);
        }
    }

    void finish() {
        if (!m_stopped && (!m_line.empty() || m_lineCut))
            endLine();
        settle(true);
    }

private:
    void appendToLine(std::string_view piece) {
        // One byte over the limit is kept, so a CR right at the limit is still seen.
        const std::size_t room = m_limits.maxRecordBytes + 1 - m_line.size();
        if (piece.size() > room)
            m_lineCut = true;
        m_line.append(piece.substr(0, room));
    }

    void endLine() {
        if (!m_lineCut && !m_line.empty() && m_line.back() == '\r')
            m_line.pop_back();
        const bool cut = m_lineCut || m_line.size() > m_limits.maxRecordBytes;
        if (cut)
            m_line.resize(m_limits.maxRecordBytes);
        m_pending.push_back({++m_lineNumber, std::move(m_line), cut});
        m_line.clear();
        m_lineCut = false;
        settle(false);
    }

    void settle(bool atEnd) {
        while (!m_stopped && !m_pending.empty()) {
            const PhysicalLine& first = m_pending.front();
            if (m_scanned == 0) {
                if (first.cut) {
                    reportFirst(LogLineFault::TooLong);
                    continue;
                }
                if (first.bytes.empty() || first.bytes == kTitleLine ||
                    first.bytes == kColumnLine) {
                    pop(1);
                    continue;
                }
                m_scanner.reset();
            }
            auto state = CsvScanner::State::InQuotes;
            bool overflow = false;
            while (m_scanned < m_pending.size()) {
                const PhysicalLine& line = m_pending[m_scanned];
                overflow = m_scanned > 0 && (line.cut || m_scanner.bytes() + line.bytes.size() >
                                                             m_limits.maxRecordBytes);
                if (overflow)
                    break;
                state = m_scanner.feed(line.bytes);
                ++m_scanned;
                if (state != CsvScanner::State::InQuotes)
                    break;
            }
            if (state == CsvScanner::State::InQuotes && !overflow && !atEnd)
                return; // the quoted field may close on a line still to come
            LogLineFault fault = m_scanner.fault();
            if (state == CsvScanner::State::Complete && !overflow) {
                if (m_out.records.size() == m_limits.maxRecords) {
                    stop(LogReadEnd::RecordLimit);
                    return;
                }
                SendLogRecord& record = m_out.records.emplace_back();
                if (buildRecord(m_scanner.fields(), record, fault)) {
                    record.lineNumber = first.number;
                    pop(m_scanned);
                    continue;
                }
                m_out.records.pop_back();
                // Seven well-formed fields are one record, bad as it is: its inner
                // lines are text of its fields, never records of their own.
                if (fault != LogLineFault::FieldCount) {
                    report(fault, m_scanned);
                    continue;
                }
            }
            reportFirst(m_scanned > 1 || state == CsvScanner::State::InQuotes
                            ? LogLineFault::UnterminatedQuote
                            : fault);
        }
    }

    void reportFirst(LogLineFault fault) { report(fault, 1); }

    // Reports the first pending line and takes `lines` lines.
    void report(LogLineFault fault, std::size_t lines) {
        const PhysicalLine& line = m_pending.front();
        ++m_out.malformedCount;
        if (m_out.malformed.size() < m_limits.maxKeptMalformed) {
            const std::size_t shown =
                cp932::clampToCharBoundary(line.bytes, m_limits.maxShownBytes);
            m_out.malformed.push_back(
                {line.number, fault,
                 cp932::toUtf8Lossy(std::string_view(line.bytes).substr(0, shown)),
                 line.cut || shown < line.bytes.size()});
        }
        pop(lines);
    }

    void pop(std::size_t lines) {
        for (std::size_t i = 0; i < lines; ++i)
            m_pending.pop_front();
        m_out.linesRead += lines;
        m_scanned = 0;
    }

    void stop(LogReadEnd end) {
        m_out.end = end;
        m_stopped = true;
    }

    const SendLogLimits& m_limits;
    SendLogContents& m_out;
    std::string m_line;
    bool m_lineCut = false;
    std::size_t m_lineNumber = 0;
    std::deque<PhysicalLine> m_pending;
    std::size_t m_scanned = 0; // pending lines already fed to the scanner
    CsvScanner m_scanner;
    bool m_stopped = false;
};

} // namespace

std::string_view SendLogRecord::field(LogColumn column) const {
    const auto i = static_cast<std::size_t>(column);
    const uint32_t begin = i == 0 ? 0 : ends[i - 1];
    return std::string_view(text).substr(begin, ends[i] - begin);
}

SendLogContents readSendLog(const std::string& path, const SendLogLimits& limits,
                            const std::atomic<bool>* cancel) {
    SendLogContents out;
    const int fd = openRegularFile(path, O_RDONLY, 0, &out.error);
    if (fd < 0) {
        out.end = errno == ENOENT ? LogReadEnd::NotFound : LogReadEnd::Failed;
        return out;
    }
    LogParser parser(limits, out);
    std::string buffer(kReadChunk, '\0');
    std::size_t total = 0;
    bool atEnd = false;
    while (parser.running()) {
        if (cancel && cancel->load()) {
            out.end = LogReadEnd::Cancelled;
            break;
        }
        // At the limit one more byte tells a file that ends there from one that goes on.
        const std::size_t room = limits.maxBytes - total;
        const ssize_t n = ::read(fd, buffer.data(), room == 0 ? 1 : std::min(buffer.size(), room));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            out.end = LogReadEnd::Failed;
            out.error = path + ": " + errnoText();
            break;
        }
        if (n == 0) {
            atEnd = true;
            break;
        }
        if (room == 0) {
            out.end = LogReadEnd::ByteLimit;
            break;
        }
        total += static_cast<std::size_t>(n);
        parser.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    }
    ::close(fd);
    if (atEnd)
        parser.finish();
    return out;
}

SendLogContents parseSendLog(std::string_view bytes, const SendLogLimits& limits) {
    SendLogContents out;
    LogParser parser(limits, out);
    parser.feed(bytes.substr(0, limits.maxBytes));
    if (!parser.running())
        return out;
    if (bytes.size() > limits.maxBytes)
        out.end = LogReadEnd::ByteLimit;
    else
        parser.finish();
    return out;
}

} // namespace tonalink
