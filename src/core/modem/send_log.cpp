#include "core/modem/send_log.h"

#include "core/common/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tonalink {
namespace {

constexpr std::string_view kLogFileName = "bell.log";
constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::string_view kHeader = "Tonalink with Win32 Message Log file\n"
                                     "Date,Time,CallNo,Name,Type,Message,Command\n"
                                     "\n";
// "同報で送信をキャンセル" in CP932.
constexpr std::string_view kCancelledCommand =
    "\x93\xAF\x95\xF1\x82\xC5\x91\x97\x90\x4D\x82\xF0\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B";
// Far beyond any journal a run leaves; guards memory against a stray file.
constexpr std::size_t kMaxJournalBytes = 64 * 1024 * 1024;

std::string formatTime(const std::tm& time, const char* format) {
    char text[32];
    std::size_t n = std::strftime(text, sizeof text, format, &time);
    return std::string(text, n);
}

// The part's bytes of the message. Indexes left by an earlier call may not fit
// this message: the slice then stays inside the text, possibly empty.
std::string_view partSlice(std::string_view text, std::span<const int32_t> starts, int32_t part) {
    if (part < 0 || static_cast<std::size_t>(part) + 1 >= starts.size())
        return {};
    auto clamp = [&](int32_t pos) {
        return static_cast<std::size_t>(std::clamp<int64_t>(pos, 0, int64_t(text.size())));
    };
    std::size_t begin = clamp(starts[static_cast<std::size_t>(part)]);
    std::size_t end = clamp(starts[static_cast<std::size_t>(part) + 1]);
    return end > begin ? text.substr(begin, end - begin) : std::string_view();
}

// Quoted only where a CSV reader would split the field, so other records keep
// their bytes. CP932 trail bytes (0x40-0xFC) are never one of these: a byte scan is safe.
void appendField(std::string& line, std::string_view field, bool alwaysQuoted = false) {
    if (!alwaysQuoted && field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (std::size_t i = 0; i < field.size(); ++i) {
        // A CR LF keeps only its LF: the text-mode write adds the CR back.
        if (field[i] == '\r' && field.substr(i + 1).starts_with('\n'))
            continue;
        if (field[i] == '"')
            line += '"';
        line += field[i];
    }
    line += '"';
}

// bell.log has always been written in text mode: every line feed becomes CR LF.
std::string toTextMode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    for (char c : bytes) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

std::string reason(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

bool endsInsideALine(const std::string& path) {
    int fd = openRegularFile(path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st {};
    char last = '\n';
    if (::fstat(fd, &st) == 0 && st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) != 1)
        last = '\n';
    ::close(fd);
    return last != '\n';
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        std::size_t end = bytes.find('\n');
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += line;
    return out;
}

} // namespace

std::tm systemLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

SendLog::SendLog(std::string directory, SendLogReporter reporter, LocalClock clock)
    : m_directory(std::move(directory)), m_reporter(std::move(reporter)),
      m_clock(clock ? std::move(clock) : LocalClock(systemLocalTime)) {}

std::string SendLog::logPath() const {
    return (std::filesystem::path(m_directory) / kLogFileName).string();
}

std::string SendLog::journalPath() const {
    return logPath() + std::string(kJournalSuffix);
}

void SendLog::report(SendLogNotice notice, const std::string& detail) const {
    if (m_reporter)
        m_reporter(notice, detail);
}

void SendLog::AddLogRecord(std::string_view number, std::string_view messageText, int cancelled,
                           const LogRecordContext& context) {
    std::tm now = m_clock();
    std::string line = formatTime(now, "%y/%m/%d");
    line += ',';
    line += formatTime(now, "%H:%M:%S");
    for (std::string_view field :
         {number, context.PbEntryName, context.PagerTypeName,
          partSlice(messageText, context.PartStarts, context.m_nSentPart)}) {
        line += ',';
        appendField(line, field);
    }
    line += ',';
    appendField(line, cancelled == 1 ? kCancelledCommand : context.m_strSentCommand, true);
    line += '\n';
    journal(line);
    m_logLines.push_back(std::move(line));
}

void SendLog::journal(std::string_view line) {
    const std::string path = journalPath();
    std::string error;
    // A record an earlier run left torn must not swallow this run's first one.
    bool ok = m_journalTailChecked || !endsInsideALine(path) || appendToFile(path, "\n", &error);
    m_journalTailChecked = ok;
    ok = ok && appendToFile(path, line, &error);
    // One report per run of failures, not one per record.
    if (!ok && !m_journalFailing)
        report(SendLogNotice::JournalNotWritten, error);
    m_journalFailing = !ok;
}

void SendLog::clearJournal() {
    if (m_journalHeld)
        return;
    std::string path = journalPath();
    if (::unlink(path.c_str()) != 0 && errno != ENOENT && ::truncate(path.c_str(), 0) != 0)
        report(SendLogNotice::JournalNotWritten, reason(path));
}

bool SendLog::FlushLog() {
    // A link to a log that does not exist yet creates it where the link points.
    const std::string path = followLinks(logPath()).value_or(logPath());
    bool created = false;
    int fd = openRegularFile(path, O_WRONLY | O_APPEND);
    // Only a missing file is created: a file that exists but cannot be opened is
    // never truncated.
    if (fd < 0 && errno == ENOENT) {
        fd = openRegularFile(path, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, 0666);
        created = fd >= 0;
    }
    if (fd < 0) {
        report(SendLogNotice::LogNotWritten, reason(path));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        report(SendLogNotice::LogNotWritten, reason(path));
        ::close(fd);
        return false;
    }
    const off_t originalSize = st.st_size;
    if (!created && originalSize > kLogSizeWarningBytes)
        report(SendLogNotice::SizeWarning, path);

    std::string bytes =
        toTextMode((created ? std::string(kHeader) : std::string()) + joinLines(m_logLines));
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) {
        // Take back a partial append so that the kept lines are not doubled later.
        std::string failure = reason(path);
        if (created)
            ::unlink(path.c_str());
        else if (::ftruncate(fd, originalSize) != 0)
            failure += " (partly written)";
        ::close(fd);
        report(SendLogNotice::LogNotWritten, failure);
        return false;
    }
    ::close(fd); // the lines are on disk after the fsync
    m_logLines.clear();
    clearJournal();
    return true;
}

bool SendLog::recoverJournal() {
    const std::string path = journalPath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return !ec;
    std::string error;
    auto left = readFileBounded(path, kMaxJournalBytes, &error);
    if (!left) {
        m_journalHeld = true;
        report(SendLogNotice::JournalNotWritten, error);
        return false;
    }
    if (left->empty() && m_logLines.empty()) {
        clearJournal();
        return true;
    }
    // A record torn by the crash is kept, ended.
    if (!left->empty() && left->back() != '\n')
        left->push_back('\n');
    // Records of this run are in the journal too, at its end.
    std::string ours = joinLines(m_logLines);
    if (!left->ends_with(ours))
        *left += ours;
    m_logLines = splitLines(*left);
    return FlushLog();
}

} // namespace tonalink
