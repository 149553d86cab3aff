#pragma once

#include "core/app/reserve_time.h"
#include "core/modem/send_log.h"
#include "ui/dialogs/call_dlg.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace tonalink {

class TimerHost;

// The small window of a reserved send while it waits (template 128): the target
// time and Cancel. It checks the clock every 10 s and ends with OK in the target
// minute.
class CReserveWaitDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTimeText = 164;
    static constexpr int kCheckTimer = 8;
    static constexpr int kCheckMs = 10000;

    CReserveWaitDlg(const ReserveTime& target, LocalClock clock, const TimerHostFactory& makeTimers,
                    QWidget* parent = nullptr);
    ~CReserveWaitDlg() override;

    // Rejected, after saying so, when the check timer cannot be created.
    int exec() override;

private:
    void OnTimer(int id);

    ReserveTime m_target;
    LocalClock m_clock;
    std::unique_ptr<TimerHost> m_timers;
};

} // namespace tonalink
