#pragma once

#include "core/app/send_job.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace tonalink {

class TimerHost;
struct ProgramState;

// Makes the numbered timers of one window; they call onTimer(id) when they fire.
using TimerHostFactory =
    std::function<std::unique_ptr<TimerHost>(std::function<void(int id)> onTimer)>;
// The real timers, on the Qt event loop.
TimerHostFactory qtTimerHostFactory();

// The call progress window: runs one send job for the current message, shows its
// progress and forwards Redial and Cancel. exec() returns IDOK when every part
// went out, IDCANCEL when the call was cancelled or failed, and kDialogNotCreated
// (-1) without showing anything when the job could not start; result() tells why.
// A single send that the line ended is told which reply ended it, after the window closes.
class CCallDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEntryName = 209;
    static constexpr int kNumber = 208;
    static constexpr int kStatus = 134;
    static constexpr int kPartCounter = 210;
    static constexpr int kRedial = 3;
    static constexpr int kCancel = 2;

    CCallDlg(ProgramState& state, LineSink& line, const TimerHostFactory& makeTimers,
             QWidget* parent = nullptr, SendJob::Kind kind = SendJob::Kind::Single);
    ~CCallDlg() override;

    int exec() override;
    // Cancel and Esc: hang up and end with IDCANCEL.
    void reject() override;

    const SendJob& job() const { return *m_job; }
    // Set once exec() has returned.
    std::optional<SendResult> result() const { return m_job->result(); }

private:
    void OnInitDialog();
    void OnRedial();
    void OnCancel();
    void showStatus(CallStatus status);

    const ProgramState& m_state;
    SendJob::Kind m_kind;
    std::unique_ptr<TimerHost> m_timers;
    std::unique_ptr<SendJob> m_job;
    QLabel* m_entryName = nullptr;
    QLabel* m_number = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_partCounter = nullptr;
    QPushButton* m_redial = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tonalink
