#pragma once

namespace tonalink {

// Numbered timers of one window. Starting an id that is already pending restarts
// it with the new interval. A host may refuse to start a timer (no timer free);
// killing an id that is not pending does nothing. The owner calls the client's
// onTimer(id) when a timer fires; the client kills every timer it is told about,
// so one-shot and periodic hosts behave the same.
class TimerHost {
public:
    virtual ~TimerHost() = default;
    virtual bool startTimer(int id, int ms) = 0;
    virtual void killTimer(int id) = 0;
};

} // namespace tonalink
