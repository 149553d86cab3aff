#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace tonalink {

// What the reserved-sending settings dialog exchanges, in its order.
struct ReserveChoice {
    bool exitAfterSending = false;
    int hour = 0;
    int minute = 0;
    bool keepTime = false;
};

// The reserved-sending settings (template 130): the time to call and what to do
// after the send. OK checks the hour (0-23), then the minute (0-59).
class CReserveDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHour = 163;
    static constexpr int kMinute = 164;
    static constexpr int kExitAfterSending = 166;
    static constexpr int kKeepTime = 167;

    explicit CReserveDlg(const ReserveChoice& initial, QWidget* parent = nullptr);

    // Valid once the dialog ended with OK.
    const ReserveChoice& choice() const { return m_choice; }

    void accept() override;

private:
    ReserveChoice m_choice;
    QCheckBox* m_exitAfterSending = nullptr;
    QSpinBox* m_hour = nullptr;
    QSpinBox* m_minute = nullptr;
    QCheckBox* m_keepTime = nullptr;
};

} // namespace tonalink
