#pragma once

#include "core/modem/timer_host.h"

#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace tonalink {

// Numbered one-shot timers on the Qt event loop, each firing onTimer(id).
class QtTimerHost final : public TimerHost {
public:
    explicit QtTimerHost(std::function<void(int id)> onTimer);
    ~QtTimerHost() override;

    // Replaces a pending timer of the same id. Refuses a negative interval, and
    // fails when the thread has no event loop to run timers.
    bool startTimer(int id, int ms) override;
    void killTimer(int id) override;

private:
    std::function<void(int)> m_onTimer;
    // Timers are stopped, never deleted, while the host lives: a callback may kill
    // the very timer that is calling it.
    std::map<int, std::unique_ptr<QTimer>> m_timers;
};

} // namespace tonalink
