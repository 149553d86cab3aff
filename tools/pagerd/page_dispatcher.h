#pragma once

#include "core/app/program_state.h"
#include "core/app/send_job.h"
#include "core/modem/line_sink.h"
#include "core/modem/timer_host.h"
#include "platform/page_store.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tonalink::pagerd {

// Works the queue on the one line: takes the recipient due first, sends the page
// to it through the send job (the same lines and records as the window), keeps
// its state in the store at every step and schedules the retries. One call at a
// time; a recipient that cannot be sent never holds the others.
class PageDispatcher {
public:
    using Clock = std::function<int64_t()>;                   // seconds since the epoch
    using EventLog = std::function<void(const std::string&)>; // one line per event
    using LineCheck = std::function<bool()>; // reopens a closed line; true when open

    // Its own timer ids, beside the send job's.
    static constexpr int kTimerWake = 100;
    static constexpr int kTimerCallEnded = 101;
    // The store is looked at this often while idle or in a call, so that the
    // tool's cancel and retry take effect.
    static constexpr int64_t kPollMs = 2000;

    PageDispatcher(ProgramState& state, LineSink& line, TimerHost& timers, PageStore& store,
                   Clock clock, EventLog log, LineCheck ensureLine);
    ~PageDispatcher();

    // Queues again the calls a crash cut short, then starts working.
    void start();
    // A page was queued: look now unless a call is under way.
    void poke();
    void onTimer(int id);
    // Hangs up a call under way (its recipient stays queued, the try not
    // counted), flushes the log and stops.
    void stop();
    bool inCall() const { return m_job != nullptr; }

private:
    void runDue();
    // True when a call started; false when the try ended at once.
    bool startCall(const DueRecipient& due);
    void endTry(const DueRecipient& due, const SendResult& result);
    void callEnded();
    void scheduleWake();
    std::string describe(const DueRecipient& due) const;

    ProgramState& m_state;
    LineSink& m_line;
    TimerHost& m_timers;
    PageStore& m_store;
    Clock m_clock;
    EventLog m_log;
    LineCheck m_ensureLine;
    std::unique_ptr<SendJob> m_job;
    std::optional<DueRecipient> m_current;
    bool m_stopping = false;
};

} // namespace tonalink::pagerd
