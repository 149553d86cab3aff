#include "core/modem/call_sequence.h"

#include "core/modem/line_sink.h"
#include "core/modem/modem_commands.h"
#include "core/modem/timer_host.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace tonalink {
namespace {

constexpr int64_t kFirstDialMs = 3500;
constexpr int64_t kAfterHangUpMs = 2000;
constexpr int64_t kPauseMs = 2000;
constexpr int64_t kDialAfterPauseMs = 3500;

int64_t secondsToMs(int64_t seconds) {
    return seconds * 1000;
}

} // namespace

CallSequence::CallSequence(CallSettings settings, CallState& state, TimerHost& timers,
                           LineSink& modem, Hooks hooks)
    : m_settings(std::move(settings)), m_state(state), m_timers(timers), m_modem(modem),
      m_hooks(std::move(hooks)) {}

int32_t CallSequence::start(const BuildSendCommandsFn& buildSendCommands) {
    if (m_running || m_result) {
        return kDialogNotCreated;
    }
    MessageParts parts;
    if (!buildSendCommands || buildSendCommands(parts) < 0) {
        return kDialogNotCreated;
    }
    // A list that does not hold LastPart + 1 parts cannot be sent part by part.
    if (parts.LastPart < 0 || static_cast<std::size_t>(parts.LastPart) >= parts.MsgParts.size()) {
        return kDialogNotCreated;
    }
    m_lastPart = parts.LastPart;
    m_msgParts.clear();
    for (int32_t k = 0; k <= m_lastPart; ++k) {
        // Cleaned here so that the recorded command and the non-split timing match
        // what actually goes out.
        m_msgParts.push_back(dialStringValue(parts.MsgParts[static_cast<std::size_t>(k)]));
    }
    m_cancelCmd = dialStringValue(m_settings.MsgCancelCmd);
    m_number = dialStringValue(
        dialledNumber(m_settings.PbOrPhsSw, m_settings.CallNumber, m_settings.CentreNumber));

    m_bReverse = m_settings.MsgSendC == 1 && m_settings.MsgJoinSw != 1;
    if (m_skipParts < 0 || m_skipParts > m_lastPart) {
        return kDialogNotCreated;
    }
    m_nPart = m_bReverse ? m_lastPart - m_skipParts : m_skipParts;

    const std::string ext = extCommandLine(m_settings.ExtCommand);
    if (!ext.empty() && !m_modem.writeLine(ext)) {
        m_lineFailed = true;
        return kDialogNotCreated;
    }
    if (!startTimer(kTimerDial, kFirstDialMs)) {
        warnNoTimer();
        return kDialogNotCreated;
    }
    m_running = true;
    setStatus(CallStatus::Initialising);
    return 0;
}

void CallSequence::onTimer(int id) {
    m_timers.killTimer(id);
    if (!m_running) {
        return;
    }
    switch (id) {
    case kTimerDial:
        dialStep();
        break;
    case kTimerSendCodes:
        sendCodesStep();
        break;
    case kTimerHangUp:
        hangUpStep();
        break;
    case kTimerAdvance:
        advanceStep();
        break;
    case kTimerPause:
        pauseStep();
        break;
    default:
        break;
    }
}

void CallSequence::dialStep() {
    if (!partRemains()) {
        // Only a stray dial event can get here after the last part: nothing is
        // left to dial, and every part has been hung up.
        finish(IDOK);
        return;
    }
    m_counter = std::to_string(m_nPart + 1) + "/" + std::to_string(m_lastPart + 1);
    if (m_hooks.counterChanged) {
        m_hooks.counterChanged(m_counter);
    }
    const bool nonSplit = m_settings.line.ModemSw == 1;
    int nextTimer = kTimerSendCodes;
    int64_t nextMs = secondsToMs(m_settings.WaitTime);
    if (nonSplit) {
        recordSentPart();
        const auto codeLength =
            static_cast<int64_t>(m_msgParts[static_cast<std::size_t>(m_nPart)].size());
        nextTimer = kTimerHangUp;
        nextMs = secondsToMs(codeLength + m_settings.WaitTime + m_settings.CutTime);
    }
    setStatus(CallStatus::Dialling);
    m_offHook = true;
    if (!m_modem.writeLine(
            dialLine(m_settings.line, m_settings.WaitTime, m_number, m_state.m_strSentCommand))) {
        endWithLineFailure();
        return;
    }
    if (!startTimer(nextTimer, nextMs)) {
        endWithTimerFailure(true);
    }
}

void CallSequence::sendCodesStep() {
    if (!partRemains()) {
        finish(IDOK);
        return;
    }
    setStatus(CallStatus::SendingMessage);
    recordSentPart();
    m_state.m_nHoldTime = holdTime(m_settings.DefaultOffTime, m_settings.CutTime);
    if (!m_modem.writeLine(codeLine(m_settings.line.KeitaiSw, m_state.m_strSentCommand))) {
        endWithLineFailure();
        return;
    }
    if (!startTimer(kTimerHangUp, secondsToMs(m_state.m_nHoldTime))) {
        endWithTimerFailure(true);
    }
}

void CallSequence::hangUpStep() {
    setStatus(CallStatus::Disconnecting);
    if (!hangUp()) {
        endWithLineFailure();
        return;
    }
    m_nPart += m_bReverse ? -1 : 1;
    // A refused advance timer shows nothing; Redial or Cancel goes on from here.
    m_advanceOwed = !startTimer(kTimerAdvance, kAfterHangUpMs);
}

void CallSequence::advanceStep() {
    m_advanceOwed = false;
    if (!partRemains()) {
        finish(IDOK);
        return;
    }
    appendLogRecord();
    if (!startTimer(kTimerPause, kPauseMs)) {
        endWithTimerFailure(false);
    }
}

void CallSequence::pauseStep() {
    // A refused dial timer leaves the call waiting for Redial or Cancel.
    if (!startTimer(kTimerDial, kDialAfterPauseMs)) {
        warnNoTimer();
    }
}

void CallSequence::redial() {
    if (!m_running) {
        return;
    }
    if (m_advanceOwed) {
        // The hang-up step could not schedule the advance: do its work now, so the
        // part that went out is logged and no part past the end is dialled.
        m_advanceOwed = false;
        if (!partRemains()) {
            finish(IDOK);
            return;
        }
        appendLogRecord();
    }
    m_timers.killTimer(kTimerHangUp);
    m_timers.killTimer(kTimerDial);
    m_timers.killTimer(kTimerSendCodes);
    if (!hangUp()) {
        m_lineFailed = true;
        finish(IDCANCEL);
        return;
    }
    setStatus(CallStatus::WaitingToRedial);
    // Timers 6 and 8 stay: a pending advance step still runs, and its pause
    // replaces this one.
    if (!startTimer(kTimerPause, secondsToMs(m_settings.ReDialTime))) {
        warnNoTimer();
    }
}

void CallSequence::cancel() {
    if (!m_running) {
        return;
    }
    m_timers.killTimer(kTimerHangUp);
    hangUp();
    finish(IDCANCEL);
}

void CallSequence::lineFault(const std::string& reason) {
    // A reply after the hang-up is about a part that already went out.
    if (!m_running || !m_offHook) {
        return;
    }
    m_faultReason = reason;
    endWithLineFailure();
}

bool CallSequence::partRemains() const {
    return m_nPart >= 0 && m_nPart <= m_lastPart;
}

void CallSequence::recordSentPart() {
    m_state.m_strSentCommand = m_cancelCmd + m_msgParts[static_cast<std::size_t>(m_nPart)];
    m_state.m_nSentPart = m_nPart;
}

void CallSequence::appendLogRecord() {
    if (m_hooks.addLogRecord) {
        m_hooks.addLogRecord(m_number, m_settings.MessageText, 0);
    }
}

bool CallSequence::hangUp() {
    m_offHook = false;
    return m_modem.writeLine(hangUpLine());
}

void CallSequence::setStatus(CallStatus status) {
    m_status = status;
    if (m_hooks.statusChanged) {
        m_hooks.statusChanged(status);
    }
}

bool CallSequence::startTimer(int id, int64_t ms) {
    return m_timers.startTimer(
        id, static_cast<int>(std::clamp<int64_t>(ms, 0, std::numeric_limits<int>::max())));
}

void CallSequence::warnNoTimer() {
    if (m_hooks.showWarning) {
        m_hooks.showWarning(std::string(kNoTimerMessage));
    }
}

void CallSequence::endWithTimerFailure(bool lineOffHook) {
    // Ending the call with the line still off-hook would keep it busy after the
    // dialog is gone; hang up before the message box waits for the user.
    if (lineOffHook) {
        hangUp();
    }
    warnNoTimer();
    finish(IDCANCEL);
}

void CallSequence::endWithLineFailure() {
    // The part in flight did not go out as it should: it is not logged, and one
    // last hang-up is tried so the line is not left off-hook.
    m_lineFailed = true;
    hangUp();
    finish(IDCANCEL);
}

void CallSequence::finish(int32_t result) {
    for (int id : {kTimerHangUp, kTimerDial, kTimerSendCodes, kTimerPause, kTimerAdvance}) {
        m_timers.killTimer(id);
    }
    m_running = false;
    m_result = result;
    if (m_hooks.finished) {
        m_hooks.finished(result);
    }
}

} // namespace tonalink
