#pragma once

#include "core/modem/timer_host.h"
#include "platform/qt_timer_host.h"
#include "ui/dialogs/call_dlg.h"

#include <functional>
#include <map>
#include <memory>

namespace tonalink::test {

// Timers that fire only when the test says so (virtual time for the form clock).
class ManualTimers : public TimerHost {
public:
    explicit ManualTimers(std::function<void(int)> onTimer) : m_onTimer(std::move(onTimer)) {}

    bool startTimer(int id, int ms) override {
        if (refuseAll) {
            return false;
        }
        pending[id] = ms;
        return true;
    }
    void killTimer(int id) override { pending.erase(id); }

    // Fires `id` when it is pending; false otherwise.
    bool fire(int id) {
        if (pending.count(id) == 0) {
            return false;
        }
        pending.erase(id);
        m_onTimer(id);
        return true;
    }

    std::map<int, int> pending; // id -> interval
    bool refuseAll = false;

private:
    std::function<void(int)> m_onTimer;
};

// Real Qt timers running `divisor` times faster, so a call of a minute takes a
// second and its steps keep their order and proportions.
class ScaledTimers : public TimerHost {
public:
    ScaledTimers(std::function<void(int)> onTimer, int divisor)
        : m_inner(std::move(onTimer)), m_divisor(divisor) {}
    bool startTimer(int id, int ms) override { return m_inner.startTimer(id, ms / m_divisor); }
    void killTimer(int id) override { m_inner.killTimer(id); }

private:
    QtTimerHost m_inner;
    int m_divisor;
};

// The first window to ask (the form's clock) gets manual timers, every later one
// (call windows) scaled real ones; with `allScaled` every window gets real ones.
struct TestTimerFactory {
    int divisor = 50;
    bool allScaled = false;
    ManualTimers* clock = nullptr;

    TimerHostFactory factory() {
        return [this](std::function<void(int)> onTimer) -> std::unique_ptr<TimerHost> {
            if (!allScaled && clock == nullptr) {
                auto timers = std::make_unique<ManualTimers>(std::move(onTimer));
                clock = timers.get();
                return timers;
            }
            return std::make_unique<ScaledTimers>(std::move(onTimer), divisor);
        };
    }
};

} // namespace tonalink::test
