#pragma once

#include "core/modem/call_sequence.h"
#include "core/modem/call_settings.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tonalink {

class LineSink;
class TimerHost;
struct CurrentSend;
struct PagerType;
struct ProgramState;
struct Settings;

// Longest wait, hold or redial a call accepts, in seconds: a value beyond it in
// a data file or the settings would otherwise hold the line off-hook for days.
inline constexpr int32_t kMaxCallSeconds = 120;

// What one call reads, taken from the settings, the loaded pager type and the
// current send, with every interval bounded by kMaxCallSeconds.
CallSettings makeCallSettings(const Settings& settings, const PagerType& pagerType,
                              const CurrentSend& send);

enum class SendOutcome {
    Sent,      // every part went out
    Cancelled, // the user cancelled, or a timer was refused during the call
    Failed,    // the call could not start, or the line failed during it
};

enum class SendFailure {
    None,
    PortNotOpen,  // nothing was written
    NotEncodable, // the message cannot be sent with this pager type; nothing written
    NoTimer,      // the first timer was refused
    LineFailed,   // a write to the line failed, or the line reported a fault
};

struct SendResult {
    SendOutcome outcome = SendOutcome::Failed;
    SendFailure failure = SendFailure::None;
    // With LineFailed: what the line reported (a modem's reply), CP932; may be empty.
    std::string lineReason;
};

// What became of one send, in the words a broadcast reports its members with.
enum class MemberOutcome {
    Sent,
    Cancelled,    // by the user, or a timer refused during the call
    NotEncodable, // the message cannot go to this pager type
    NotStarted,   // the port was not open or the first timer refused: nothing written
    LineFailed,   // the line failed during the call (SendResult::lineReason says how)
};
MemberOutcome memberOutcome(const SendResult& result);

// One send of the current message from start to outcome, the same for every
// sender: builds the send commands, runs the call part after part on the timers,
// writes every log record (each part as it goes out, the last one when all went
// out) and reports the outcome. The sender shows its progress and forwards Redial
// and Cancel.
class SendJob {
public:
    // Empty functions are skipped.
    struct Display {
        std::function<void(CallStatus)> statusChanged;
        std::function<void(const std::string& counter)> counterChanged; // "2/3"
        // A message box with the exclamation icon (CP932 text).
        std::function<void(const std::string& text)> showWarning;
        // The call ended; not called when start() fails.
        std::function<void(const SendResult& result)> finished;
        // Just before a record goes to the send log: partSent for a part that went
        // out, false for a broadcast member's cancelled record.
        std::function<void(bool partSent)> recording;
    };

    // How the job logs the outcome. A single send logs the last part when all went
    // out. A broadcast member always gets a record for the call's end, under its
    // call number: the last part when all went out, else a cancelled record.
    enum class Kind { Single, BroadcastMember };

    SendJob(ProgramState& state, LineSink& line, TimerHost& timers, Display display,
            Kind kind = Kind::Single);
    ~SendJob();

    // Builds the commands and starts the call; false when it cannot start, and
    // result() tells why. Nothing is written or logged then. A job runs once.
    bool start();
    // Before start(): resumes a message whose first `count` parts (in sending
    // order) went out earlier; start() fails when no part is left.
    void skipParts(int32_t count) { m_sequence->skipParts(count); }
    void onTimer(int id);
    void redial();
    void cancel();

    bool running() const;
    // Set once the job has ended (or failed to start).
    std::optional<SendResult> result() const { return m_result; }
    const CallSequence& sequence() const { return *m_sequence; }

private:
    void finished(int32_t dialogResult);
    void failedToStart(SendFailure why);
    void addLogRecord(const std::string& number, int cancelled = 0);

    Kind m_kind;
    ProgramState& m_state;
    LineSink& m_line;
    Display m_display;
    std::unique_ptr<CallSequence> m_sequence;
    std::optional<SendResult> m_result;
    std::string m_messageText; // as the call took it
};

} // namespace tonalink
