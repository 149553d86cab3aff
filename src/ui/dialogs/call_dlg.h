#pragma once

#include "core/modem/call_sequence.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace tonalink {

class Encoder;
class LineSink;
class PagerTypeCatalog;
class SendLog;
class TimerHost;
struct CurrentSend;
struct EncoderInput;
struct Settings;

// Makes the numbered timers of one window; they call onTimer(id) when they fire.
using TimerHostFactory =
    std::function<std::unique_ptr<TimerHost>(std::function<void(int id)> onTimer)>;
// The real timers, on the Qt event loop.
TimerHostFactory qtTimerHostFactory();

// The program-wide state one send reads and writes, owned by the application.
struct SendContext {
    const Settings& settings;
    PagerTypeCatalog& pagerTypes; // the loaded PagerType and PagerTypeName
    const CurrentSend& currentSend;
    const std::string& PbEntryName;
    Encoder& encoder;
    CallState& callState;
    SendLog& sendLog;
    LineSink& modem;
    TimerHostFactory makeTimers;

    // What the encoder reads for the current send.
    EncoderInput encoderInput() const;
    // AddLogRecord for the part the last call sent.
    void addLogRecord(const std::string& number, const std::string& messageText,
                      int cancelled) const;
};

// The call progress window: builds the send commands for the current message and
// runs the timed call sequence part after part. exec() returns IDOK when every
// part went out, IDCANCEL when cancelled or a timer failed during the call, and
// kDialogNotCreated (-1) without showing anything when the message cannot be
// encoded or the first timer is refused.
class CCallDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEntryName = 209;
    static constexpr int kNumber = 208;
    static constexpr int kStatus = 134;
    static constexpr int kPartCounter = 210;
    static constexpr int kRedial = 3;
    static constexpr int kCancel = 2;

    explicit CCallDlg(const SendContext& context, QWidget* parent = nullptr);
    ~CCallDlg() override;

    int exec() override;
    // Cancel and Esc: hang up and end with IDCANCEL.
    void reject() override;

    const CallSequence& sequence() const { return *m_sequence; }

private:
    void OnInitDialog();
    void OnRedial();
    void OnCancel();
    void showStatus(CallStatus status);

    const SendContext& m_context;
    std::unique_ptr<TimerHost> m_timers;
    std::unique_ptr<CallSequence> m_sequence;
    QLabel* m_entryName = nullptr;
    QLabel* m_number = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_partCounter = nullptr;
    QPushButton* m_redial = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tonalink
