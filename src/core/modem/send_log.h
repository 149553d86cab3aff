#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// What AddLogRecord reads besides its arguments, as the call left it.
struct LogRecordContext {
    std::string_view PbEntryName;
    std::string_view PagerTypeName;
    std::span<const int32_t> PartStarts;
    int32_t m_nSentPart = 0;
    std::string_view m_strSentCommand;
};

enum class SendLogNotice {
    // bell.log is above kLogSizeWarningBytes; the lines are appended all the same.
    SizeWarning,
    // bell.log could be neither opened nor created (or not written): the lines are kept.
    LogNotWritten,
    // The journal beside bell.log could not be written, read or emptied.
    JournalNotWritten,
};
// detail: the file's path, with the system's reason for a failure.
using SendLogReporter = std::function<void(SendLogNotice, const std::string& detail)>;
// Local broken-down time of "now".
using LocalClock = std::function<std::tm()>;
std::tm systemLocalTime();

inline constexpr long kLogSizeWarningBytes = 50000;

// The CSV send log bell.log. Records collect in memory (m_logLines) and reach
// bell.log at a flush. Each record is also appended at once to a journal beside
// bell.log, so records of a run that never reached its flush are recovered at the
// next start.
class SendLog {
public:
    explicit SendLog(std::string directory, SendLogReporter reporter = {}, LocalClock clock = {});

    // cancelled 1 logs the broadcast cancel text instead of the sent digits.
    void AddLogRecord(std::string_view number, std::string_view messageText, int cancelled,
                      const LogRecordContext& context);
    // Appends the lines (and the header to a new file) and empties them; on failure
    // the lines stay for the next flush. True when the lines reached bell.log.
    bool FlushLog();
    // At start-up: flushes what a journal left behind by an earlier run holds.
    bool recoverJournal();

    const std::vector<std::string>& logLines() const { return m_logLines; }
    std::string logPath() const;
    std::string journalPath() const;

private:
    void report(SendLogNotice notice, const std::string& detail) const;
    void journal(std::string_view line);
    void clearJournal();

    std::string m_directory;
    SendLogReporter m_reporter;
    LocalClock m_clock;
    std::vector<std::string> m_logLines; // each ends in a line feed
    bool m_journalFailing = false;
    bool m_journalTailChecked = false;
    // Set when a journal could not be read back: it is then never removed.
    bool m_journalHeld = false;
};

} // namespace tonalink
