#pragma once

#include "core/encoder/message_parts.h"
#include "core/modem/call_settings.h"
#include "core/modem/call_status.h"
#include "core/modem/dialog_result.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tonalink {

class LineSink;
class TimerHost;

// Fills the parts with one complete code string each; 0 on success, -1 when the
// message cannot be encoded.
using BuildSendCommandsFn = std::function<int32_t(MessageParts& parts)>;

// One send, run blind on timers: for every part dial, play the codes, hold the
// line, hang up, then go on to the next part. Timer ids and steps:
//   4 dial -> 5 codes (split) or 3 (non-split) -> 3 hang up -> 8 advance -> 6 pause -> 4
class CallSequence {
public:
    static constexpr int kTimerHangUp = 3;
    static constexpr int kTimerDial = 4;
    static constexpr int kTimerSendCodes = 5;
    static constexpr int kTimerPause = 6;
    static constexpr int kTimerAdvance = 8;

    // Empty functions are skipped.
    struct Hooks {
        std::function<void(CallStatus)> statusChanged;
        std::function<void(const std::string& counter)> counterChanged; // "2/3"
        // AddLogRecord for a part that went out (every part but the last); the
        // number is the one dialled. Reads the CallState the sequence was given.
        std::function<void(const std::string& number, const std::string& messageText,
                           int32_t cancelled)>
            addLogRecord;
        // A message box with the exclamation icon; the text is CP932 bytes.
        std::function<void(const std::string& text)> showWarning;
        // The call ended with IDOK or IDCANCEL (not called when start() fails).
        std::function<void(int32_t result)> finished;
    };

    // `state` is owned by the application and written as parts go out.
    CallSequence(CallSettings settings, CallState& state, TimerHost& timers, LineSink& modem,
                 Hooks hooks);

    // The dialog's creation: build the send commands, choose the order, write the
    // extra command, start the first dial in 3500 ms. kDialogNotCreated when the
    // commands cannot be built (nothing written), the extra command cannot be
    // written or the first timer is refused; else 0 and the call runs.
    int32_t start(const BuildSendCommandsFn& buildSendCommands);
    // Before start(): the first `count` parts in sending order already went out
    // in an earlier call of the same message, and are not sent again. A call with
    // no part left is not created.
    void skipParts(int32_t count) { m_skipParts = count; }

    void onTimer(int id);
    void redial();
    void cancel();
    // The line reported on its own that the call failed (see LineSink): while a
    // part is off-hook it ends the call as a line failure, the part not logged.
    void lineFault(const std::string& reason);

    bool running() const { return m_running; }
    std::optional<int32_t> result() const { return m_result; }
    CallStatus status() const { return m_status; }
    const std::string& counterText() const { return m_counter; }
    int32_t part() const { return m_nPart; }
    bool reverse() const { return m_bReverse; }
    const std::vector<std::string>& msgParts() const { return m_msgParts; }
    // The number as dialled (what every log record of the call holds).
    const std::string& number() const { return m_number; }
    // A line write failed: the call ended (IDCANCEL) or never started.
    bool lineFailed() const { return m_lineFailed; }
    // What the line reported, when a fault ended the call; else empty.
    const std::string& faultReason() const { return m_faultReason; }

private:
    void dialStep();
    void sendCodesStep();
    void hangUpStep();
    void advanceStep();
    void pauseStep();

    bool partRemains() const;
    void recordSentPart();
    void appendLogRecord();
    bool hangUp();
    void endWithLineFailure();
    void setStatus(CallStatus status);
    // Interval bounded to what a timer takes; false when the host refuses.
    bool startTimer(int id, int64_t ms);
    void warnNoTimer();
    void endWithTimerFailure(bool lineOffHook);
    void finish(int32_t result);

    CallSettings m_settings;
    CallState& m_state;
    TimerHost& m_timers;
    LineSink& m_modem;
    Hooks m_hooks;

    std::vector<std::string> m_msgParts;
    int32_t m_lastPart = 0;
    std::string m_number;    // dialled number, cleaned for the dial string
    std::string m_cancelCmd; // MsgCancelCmd, cleaned likewise
    int32_t m_nPart = 0;
    int32_t m_skipParts = 0;
    bool m_bReverse = false;
    bool m_running = false;
    bool m_advanceOwed = false;
    bool m_lineFailed = false; // a write failed or the line reported a fault
    bool m_offHook = false;    // between a dial line and its hang-up
    std::string m_faultReason;
    std::optional<int32_t> m_result;
    CallStatus m_status = CallStatus::Initialising;
    std::string m_counter;
};

} // namespace tonalink
