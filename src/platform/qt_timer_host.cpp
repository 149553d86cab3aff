#include "platform/qt_timer_host.h"

namespace tonalink {

QtTimerHost::QtTimerHost(std::function<void(int id)> onTimer) : m_onTimer(std::move(onTimer)) {}

QtTimerHost::~QtTimerHost() = default;

bool QtTimerHost::startTimer(int id, int ms) {
    if (ms < 0)
        return false;
    std::unique_ptr<QTimer>& timer = m_timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        // Steps are seconds apart and must stay within a few ms; coarse timers may drift 5 %.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { m_onTimer(id); });
    }
    timer->start(ms);
    return timer->isActive();
}

void QtTimerHost::killTimer(int id) {
    auto it = m_timers.find(id);
    if (it != m_timers.end())
        it->second->stop();
}

} // namespace tonalink
