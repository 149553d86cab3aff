#include "page_dispatcher.h"

#include "core/app/callee_rules.h"
#include "core/common/cp932.h"
#include "core/queue/retry_policy.h"

#include <algorithm>

namespace tonalink::pagerd {
namespace {

// Enough for every recipient that is due, with a bound should the store misbehave.
constexpr int kMaxTriesPerLook = 10000;

SendResult failure(SendFailure why) {
    return SendResult{SendOutcome::Failed, why, {}};
}

} // namespace

PageDispatcher::PageDispatcher(ProgramState& state, LineSink& line, TimerHost& timers,
                               PageStore& store, Clock clock, EventLog log, LineCheck ensureLine)
    : m_state(state), m_line(line), m_timers(timers), m_store(store), m_clock(std::move(clock)),
      m_log(std::move(log)), m_ensureLine(std::move(ensureLine)) {}

PageDispatcher::~PageDispatcher() {
    stop();
}

void PageDispatcher::start() {
    if (const int requeued = m_store.requeueInterrupted(); requeued > 0)
        m_log(std::to_string(requeued) + " call(s) cut short by a stop are queued again");
    runDue();
}

void PageDispatcher::poke() {
    if (!m_job && !m_stopping)
        runDue();
}

void PageDispatcher::onTimer(int id) {
    m_timers.killTimer(id);
    if (id == kTimerCallEnded) {
        callEnded();
    } else if (id == kTimerWake) {
        if (m_job &&
            m_store.state(m_current->pageId, m_current->seq) == RecipientState::Cancelled) {
            m_log(describe(*m_current) + ": cancelled during the call");
            m_job->cancel();
        }
        if (m_job)
            scheduleWake();
        else
            runDue();
    } else if (m_job) {
        m_job->onTimer(id);
    }
}

void PageDispatcher::stop() {
    if (m_stopping)
        return;
    m_stopping = true;
    if (m_job) {
        m_job->cancel();
        callEnded();
    }
    m_timers.killTimer(kTimerWake);
    m_timers.killTimer(kTimerCallEnded);
    m_state.sendLog.FlushLog();
}

void PageDispatcher::runDue() {
    if (m_job || m_stopping)
        return;
    for (int i = 0; i < kMaxTriesPerLook; ++i) {
        const std::optional<DueRecipient> due = m_store.nextDue(m_clock());
        if (!due || !m_store.beginTry(due->pageId, due->seq))
            break;
        if (startCall(*due))
            return;
    }
    scheduleWake();
}

bool PageDispatcher::startCall(const DueRecipient& due) {
    // The data files are read for every call: they may be edited while we run.
    PhoneBook& book = m_state.phoneBook;
    m_state.pagerTypes.ListPagerTypes(false);
    book.ListPhoneBook();
    const bool listed = std::any_of(book.PhoneBookNames.begin(), book.PhoneBookNames.end(),
                                    [&](const std::string& n) { return n == due.name; });
    if (!listed) {
        m_store.endTry(due.pageId, due.seq,
                       {RecipientState::Failed, due.tries + 1, m_clock(), "not in the phone book"});
        m_log(describe(due) + ": failed, no longer in the phone book");
        return false;
    }
    ApplyPhoneBookEntry(m_state, due.name);
    book.PbEntryName = due.name;
    m_state.currentSend.MessageText = due.text;
    m_state.currentSend.MessageMode = 0;
    if (due.partsSent > 0 && m_state.encoder.BuildSendCommands(encoderInput(m_state)) == 0 &&
        due.partsSent > m_state.encoder.LastPart) {
        // Every part was recorded before a crash; only the outcome was not.
        endTry(due, SendResult{SendOutcome::Sent, SendFailure::None, {}});
        return false;
    }
    if (!m_ensureLine()) {
        endTry(due, failure(SendFailure::PortNotOpen));
        return false;
    }
    SendJob::Display display;
    display.recording = [this, due](bool partSent) {
        // Stored before the record is written: a part in bell.log is never sent again.
        if (partSent)
            m_store.partSent(due.pageId, due.seq);
    };
    display.finished = [this](const SendResult&) {
        // Ended after the job's own callback has returned.
        m_timers.startTimer(kTimerCallEnded, 0);
    };
    const auto kind = due.groupMember ? SendJob::Kind::BroadcastMember : SendJob::Kind::Single;
    m_job = std::make_unique<SendJob>(m_state, m_line, m_timers, display, kind);
    m_job->skipParts(due.partsSent);
    if (!m_job->start()) {
        const SendResult result = m_job->result().value_or(failure(SendFailure::NoTimer));
        m_job.reset();
        endTry(due, result);
        return false;
    }
    m_current = due;
    m_log(describe(due) + ": calling, try " + std::to_string(due.tries + 1) +
          (due.partsSent > 0 ? ", after " + std::to_string(due.partsSent) + " part(s) sent"
                             : std::string()));
    scheduleWake();
    return true;
}

void PageDispatcher::endTry(const DueRecipient& due, const SendResult& result) {
    const TryOutcome outcome = outcomeOfTry(result, m_stopping, due.tries, m_clock());
    if (!m_store.endTry(due.pageId, due.seq, outcome))
        m_log(describe(due) + ": the queue could not be written: " + m_store.lastError());
    // What was recorded reaches bell.log after every call.
    if (!m_state.sendLog.logLines().empty())
        m_state.sendLog.FlushLog();
    // A recipient cancelled during its call stays cancelled.
    const RecipientState now = m_store.state(due.pageId, due.seq).value_or(outcome.state);
    std::string event = describe(due) + ": " + std::string(recipientStateName(now));
    if (!outcome.failure.empty())
        event += " (" + cp932::toUtf8Lossy(outcome.failure) + ")";
    if (now == RecipientState::Queued && !m_stopping)
        event += ", next try in " + std::to_string(outcome.nextTry - m_clock()) + " s";
    m_log(event);
}

void PageDispatcher::callEnded() {
    m_timers.killTimer(kTimerCallEnded);
    if (!m_job || m_job->running())
        return;
    const SendResult result =
        m_job->result().value_or(SendResult{SendOutcome::Cancelled, SendFailure::None, {}});
    const DueRecipient due = *m_current;
    m_job.reset();
    m_current.reset();
    endTry(due, result);
    runDue();
}

void PageDispatcher::scheduleWake() {
    int64_t ms = kPollMs;
    if (!m_job) {
        if (const std::optional<int64_t> next = m_store.nextWake())
            ms = std::clamp<int64_t>((*next - m_clock()) * 1000, 0, kPollMs);
    }
    m_timers.startTimer(kTimerWake, static_cast<int>(ms));
}

std::string PageDispatcher::describe(const DueRecipient& due) const {
    return "job " + std::to_string(due.pageId) + " " + cp932::toUtf8Lossy(due.name);
}

} // namespace tonalink::pagerd
