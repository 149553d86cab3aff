#include "ui/dialogs/call_dlg.h"

#include "core/app/program_state.h"
#include "core/modem/call_status.h"
#include "core/modem/dialog_result.h"
#include "platform/call_texts.h"
#include "platform/qt_timer_host.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalink {

TimerHostFactory qtTimerHostFactory() {
    return [](std::function<void(int)> onTimer) -> std::unique_ptr<TimerHost> {
        return std::make_unique<QtTimerHost>(std::move(onTimer));
    };
}

namespace {

QLabel* makeValue(QWidget* parent, int id, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    setControlId(label, id);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

QPushButton* makeButton(QWidget* parent, int id, const QString& text) {
    auto* button = new QPushButton(text, parent);
    setControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CCallDlg::CCallDlg(ProgramState& state, LineSink& line, const TimerHostFactory& makeTimers,
                   QWidget* parent, SendJob::Kind kind)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state),
      m_kind(kind) {
    setWindowTitle(tr("呼 出"));
    setFont(dialogFont(9));

    m_entryName = makeValue(this, kEntryName, Qt::AlignLeft);
    m_number = makeValue(this, kNumber, Qt::AlignLeft);
    auto* statusGroup = new QGroupBox(tr("状 態"), this);
    m_status = makeValue(statusGroup, kStatus, Qt::AlignHCenter);
    m_partCounter = makeValue(statusGroup, kPartCounter, Qt::AlignRight);
    m_redial = makeButton(this, kRedial, tr("ﾘﾀﾞｲﾔﾙ"));
    m_cancel = makeButton(this, kCancel, tr("ｷｬﾝｾﾙ"));

    auto* callee = new QGridLayout;
    callee->addWidget(new QLabel(tr("受信者"), this), 0, 0);
    callee->addWidget(m_entryName, 0, 1);
    callee->addWidget(new QLabel(tr("番 号"), this), 1, 0);
    callee->addWidget(m_number, 1, 1);
    callee->setColumnStretch(1, 1);
    // Room for a full call number and a long name without resizing mid-call.
    m_number->setMinimumWidth(fontMetrics().horizontalAdvance(QString(22, QLatin1Char('0'))));

    auto* statusLayout = new QVBoxLayout(statusGroup);
    statusLayout->addWidget(m_status);
    statusLayout->addWidget(m_partCounter);
    m_status->setMinimumWidth(fontMetrics().horizontalAdvance(tr("リダイヤル待機中")) +
                              fontMetrics().averageCharWidth() * 4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_redial);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(callee);
    layout->addWidget(statusGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_redial, &QPushButton::clicked, this, [this] { OnRedial(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { OnCancel(); });

    SendJob::Display display;
    display.statusChanged = [this](CallStatus status) { showStatus(status); };
    display.counterChanged = [this](const std::string& counter) {
        m_partCounter->setText(QString::fromStdString(counter));
    };
    display.showWarning = [](const std::string& text) {
        messageBox(callWarningText(text), MsgIcon::Exclamation);
    };
    display.finished = [this](const SendResult&) {
        done(m_job->sequence().result().value_or(IDCANCEL));
    };

    m_timers =
        (makeTimers ? makeTimers : qtTimerHostFactory())([this](int id) { m_job->onTimer(id); });
    m_job = std::make_unique<SendJob>(state, line, *m_timers, std::move(display), kind);
}

CCallDlg::~CCallDlg() = default;

int CCallDlg::exec() {
    if (!m_job->start())
        return kDialogNotCreated;
    OnInitDialog();
    const int result = QDialog::exec();
    // A broadcast names its members that failed once, at its end.
    const std::optional<SendResult> outcome = m_job->result();
    if (m_kind == SendJob::Kind::Single && outcome && outcome->failure == SendFailure::LineFailed)
        messageBox(lineFailureMessage(outcome->lineReason), MsgIcon::Exclamation);
    return result;
}

void CCallDlg::reject() {
    OnCancel();
}

void CCallDlg::OnInitDialog() {
    showStatus(CallStatus::Initialising);
    // The typed call number, also when the centre's number is the one dialled.
    m_number->setText(fromCp932(m_state.currentSend.CallNumber));
    m_entryName->setText(fromCp932(m_state.phoneBook.PbEntryName));
}

void CCallDlg::OnRedial() {
    m_job->redial();
}

void CCallDlg::OnCancel() {
    if (m_job->running()) {
        m_job->cancel();
    } else {
        done(IDCANCEL);
    }
}

void CCallDlg::showStatus(CallStatus status) {
    m_status->setText(callStatusLabel(status));
}

} // namespace tonalink
