#include "ui/dialogs/call_dlg.h"

#include "core/app/current_send.h"
#include "core/app/send_job.h"
#include "core/app/settings.h"
#include "core/encoder/encoder.h"
#include "core/modem/dialog_result.h"
#include "core/modem/send_log.h"
#include "core/pagerdata/pager_type_catalog.h"
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

EncoderInput SendContext::encoderInput() const {
    return EncoderInput{pagerTypes.PagerType,    currentSend.MessageText, currentSend.MessageMode,
                        settings.CustomCommand1, settings.CustomCommand2, settings.CustomCommand3,
                        currentSend.CallNumber,  currentSend.CallPassword};
}

void SendContext::addLogRecord(const std::string& number, const std::string& messageText,
                               int cancelled) const {
    sendLog.AddLogRecord(number, messageText, cancelled,
                         LogRecordContext{PbEntryName, pagerTypes.PagerTypeName, encoder.PartStarts,
                                          callState.m_nSentPart, callState.m_strSentCommand});
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

CCallDlg::CCallDlg(const SendContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_context(context) {
    setWindowTitle(QStringLiteral("呼 出"));
    setFont(dialogFont(9));

    m_entryName = makeValue(this, kEntryName, Qt::AlignLeft);
    m_number = makeValue(this, kNumber, Qt::AlignLeft);
    auto* statusGroup = new QGroupBox(QStringLiteral("状 態"), this);
    m_status = makeValue(statusGroup, kStatus, Qt::AlignHCenter);
    m_partCounter = makeValue(statusGroup, kPartCounter, Qt::AlignRight);
    m_redial = makeButton(this, kRedial, QStringLiteral("ﾘﾀﾞｲﾔﾙ"));
    m_cancel = makeButton(this, kCancel, QStringLiteral("ｷｬﾝｾﾙ"));

    auto* callee = new QGridLayout;
    callee->addWidget(new QLabel(QStringLiteral("受信者"), this), 0, 0);
    callee->addWidget(m_entryName, 0, 1);
    callee->addWidget(new QLabel(QStringLiteral("番 号"), this), 1, 0);
    callee->addWidget(m_number, 1, 1);
    callee->setColumnStretch(1, 1);
    // Room for a full call number and a long name without resizing mid-call.
    m_number->setMinimumWidth(fontMetrics().horizontalAdvance(QString(22, QLatin1Char('0'))));

    auto* statusLayout = new QVBoxLayout(statusGroup);
    statusLayout->addWidget(m_status);
    statusLayout->addWidget(m_partCounter);
    m_status->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("リダイヤル待機中")) +
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

    CallSequence::Hooks hooks;
    hooks.statusChanged = [this](CallStatus status) { showStatus(status); };
    hooks.counterChanged = [this](const std::string& counter) {
        m_partCounter->setText(QString::fromStdString(counter));
    };
    hooks.addLogRecord = [this](const std::string& number, const std::string& message,
                                int32_t cancelled) {
        m_context.addLogRecord(number, message, cancelled);
    };
    hooks.showWarning = [](const std::string& text) {
        messageBox(fromCp932(text), MsgIcon::Exclamation);
    };
    hooks.finished = [this](int32_t result) { done(result); };

    const TimerHostFactory& makeTimers =
        m_context.makeTimers ? m_context.makeTimers : qtTimerHostFactory();
    m_timers = makeTimers([this](int id) { m_sequence->onTimer(id); });
    m_sequence = std::make_unique<CallSequence>(
        makeCallSettings(m_context.settings, m_context.pagerTypes.PagerType, m_context.currentSend),
        m_context.callState, *m_timers, m_context.modem, std::move(hooks));
}

CCallDlg::~CCallDlg() = default;

int CCallDlg::exec() {
    const EncoderInput input = m_context.encoderInput();
    const int32_t created = m_sequence->start([this, &input](MessageParts& parts) {
        const int32_t result = m_context.encoder.BuildSendCommands(input);
        parts = static_cast<const MessageParts&>(m_context.encoder);
        return result;
    });
    if (created != 0) {
        return kDialogNotCreated;
    }
    OnInitDialog();
    return QDialog::exec();
}

void CCallDlg::reject() {
    OnCancel();
}

void CCallDlg::OnInitDialog() {
    showStatus(CallStatus::Initialising);
    // The typed call number, also when the centre's number is the one dialled.
    m_number->setText(fromCp932(m_context.currentSend.CallNumber));
    m_entryName->setText(fromCp932(m_context.PbEntryName));
}

void CCallDlg::OnRedial() {
    m_sequence->redial();
}

void CCallDlg::OnCancel() {
    if (m_sequence->running()) {
        m_sequence->cancel();
    } else {
        done(IDCANCEL);
    }
}

void CCallDlg::showStatus(CallStatus status) {
    m_status->setText(fromCp932(callStatusText(status)));
}

} // namespace tonalink
