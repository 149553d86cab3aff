#include "core/app/send_job.h"

#include "core/app/program_state.h"
#include "core/modem/dialog_result.h"
#include "core/modem/line_sink.h"

#include <algorithm>
#include <array>

namespace tonalink {
namespace {

constexpr int32_t kNoPartSent = -1;

int32_t boundedSeconds(int32_t seconds) {
    return std::clamp(seconds, 0, kMaxCallSeconds);
}

} // namespace

CallSettings makeCallSettings(const Settings& settings, const PagerType& pagerType,
                              const CurrentSend& send) {
    CallSettings call;
    call.line.PhoneType = settings.PhoneType;
    call.line.CKExtension = settings.CKExtension;
    call.line.Extension = settings.Extension;
    call.line.ModemSw = settings.ModemSw;
    call.line.KeitaiSw = settings.KeitaiSw;
    call.ExtCommand = settings.ExtCommand;
    call.DefaultOffTime = boundedSeconds(settings.DefaultOffTime);
    call.ReDialTime = boundedSeconds(settings.ReDialTime);
    call.MsgSendC = settings.MsgSendC;
    call.WaitTime = boundedSeconds(pagerType.WaitTime);
    call.CutTime = boundedSeconds(pagerType.CutTime);
    call.MsgCancelCmd = pagerType.MsgCancelCmd;
    call.MsgJoinSw = pagerType.MsgJoinSw;
    call.PbOrPhsSw = pagerType.PbOrPhsSw;
    call.CallNumber = send.CallNumber;
    call.CentreNumber = send.CentreNumber;
    call.MessageText = send.MessageText;
    return call;
}

EncoderInput encoderInput(const ProgramState& state) {
    const CurrentSend& send = state.currentSend;
    const Settings& settings = state.settings;
    return EncoderInput{state.pagerTypes.PagerType,
                        send.MessageText,
                        send.MessageMode,
                        settings.CustomCommand1,
                        settings.CustomCommand2,
                        settings.CustomCommand3,
                        send.CallNumber,
                        send.CallPassword};
}

MemberOutcome memberOutcome(const SendResult& result) {
    switch (result.failure) {
    case SendFailure::None:
        return result.outcome == SendOutcome::Sent ? MemberOutcome::Sent : MemberOutcome::Cancelled;
    case SendFailure::NotEncodable:
        return MemberOutcome::NotEncodable;
    case SendFailure::PortNotOpen:
    case SendFailure::NoTimer:
        return MemberOutcome::NotStarted;
    case SendFailure::LineFailed:
        break;
    }
    return MemberOutcome::LineFailed;
}

SendJob::SendJob(ProgramState& state, LineSink& line, TimerHost& timers, Display display, Kind kind)
    : m_kind(kind), m_state(state), m_line(line), m_display(std::move(display)) {
    CallSequence::Hooks hooks;
    hooks.statusChanged = m_display.statusChanged;
    hooks.counterChanged = m_display.counterChanged;
    hooks.showWarning = m_display.showWarning;
    hooks.addLogRecord = [this](const std::string& number, const std::string&, int32_t) {
        addLogRecord(number);
    };
    m_messageText = state.currentSend.MessageText;
    hooks.finished = [this](int32_t dialogResult) { finished(dialogResult); };
    m_sequence = std::make_unique<CallSequence>(
        makeCallSettings(state.settings, state.pagerTypes.PagerType, state.currentSend),
        state.callState, timers, line, std::move(hooks));
}

SendJob::~SendJob() {
    if (running())
        m_line.setFaultHandler(nullptr);
}

bool SendJob::start() {
    // One job is one send.
    if (running() || m_result)
        return false;
    if (!m_line.isOpen()) {
        failedToStart(SendFailure::PortNotOpen);
        return false;
    }
    // No part of this call has gone out yet; what an earlier call left must not
    // name a part of this message.
    m_state.callState.m_nSentPart = kNoPartSent;
    m_state.callState.m_strSentCommand.clear();
    bool encoded = true;
    m_line.setFaultHandler([this](const std::string& reason) { m_sequence->lineFault(reason); });
    const int32_t created = m_sequence->start([this, &encoded](MessageParts& parts) {
        Encoder& encoder = m_state.encoder;
        encoded = encoder.BuildSendCommands(encoderInput(m_state)) == 0;
        parts = static_cast<const MessageParts&>(encoder);
        return encoded ? 0 : -1;
    });
    if (created != 0) {
        m_line.setFaultHandler(nullptr);
        const SendFailure why = !encoded                   ? SendFailure::NotEncodable
                                : m_sequence->lineFailed() ? SendFailure::LineFailed
                                                           : SendFailure::NoTimer;
        failedToStart(why);
        return false;
    }
    return true;
}

void SendJob::onTimer(int id) {
    m_sequence->onTimer(id);
}

void SendJob::redial() {
    m_sequence->redial();
}

void SendJob::cancel() {
    m_sequence->cancel();
}

bool SendJob::running() const {
    return m_sequence->running();
}

void SendJob::finished(int32_t dialogResult) {
    m_line.setFaultHandler(nullptr);
    const bool broadcast = m_kind == Kind::BroadcastMember;
    if (dialogResult == IDOK) {
        addLogRecord(broadcast ? m_state.currentSend.CallNumber : m_sequence->number());
        m_result = SendResult{SendOutcome::Sent, SendFailure::None, {}};
    } else {
        m_result = m_sequence->lineFailed()
                       ? SendResult{SendOutcome::Failed, SendFailure::LineFailed,
                                    m_sequence->faultReason()}
                       : SendResult{SendOutcome::Cancelled, SendFailure::None, {}};
        if (broadcast)
            addLogRecord(m_state.currentSend.CallNumber, 1);
    }
    if (m_display.finished)
        m_display.finished(*m_result);
}

void SendJob::failedToStart(SendFailure why) {
    m_result = SendResult{SendOutcome::Failed, why, {}};
    if (m_kind == Kind::BroadcastMember) {
        m_state.callState.m_nSentPart = kNoPartSent;
        addLogRecord(m_state.currentSend.CallNumber, 1);
    }
}

void SendJob::addLogRecord(const std::string& number, int cancelled) {
    if (m_display.recording)
        m_display.recording(cancelled != 1);
    const CallState& call = m_state.callState;
    LogRecordContext context{m_state.phoneBook.PbEntryName, m_state.pagerTypes.PagerTypeName,
                             m_state.encoder.PartStarts, call.m_nSentPart, call.m_strSentCommand};
    // A call that ended before any part went out is logged with the whole message.
    const std::array<int32_t, 2> wholeMessage{0, static_cast<int32_t>(m_messageText.size())};
    if (call.m_nSentPart == kNoPartSent) {
        context.PartStarts = wholeMessage;
        context.m_nSentPart = 0;
    }
    m_state.sendLog.AddLogRecord(number, m_messageText, cancelled, context);
}

} // namespace tonalink
