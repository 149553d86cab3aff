#include "ui/dialogs/reserve_wait_dlg.h"

#include "core/modem/timer_host.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tonalink {

CReserveWaitDlg::CReserveWaitDlg(const ReserveTime& target, LocalClock clock,
                                 const TimerHostFactory& makeTimers, QWidget* parent)
    : QDialog(parent), m_target(target), m_clock(std::move(clock)) {
    setWindowTitle(tr("発信予約中"));
    // The fixed-pitch gothic: the blank padding of the time lines up only there.
    QFont font = dialogFont(9);
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    setFont(font);

    auto* time = new QLabel(QString::fromStdString(reserveTimeText(target)), this);
    setControlId(time, kTimeText);
    time->setTextFormat(Qt::PlainText);
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    setControlId(cancel, 2);
    cancel->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(time, 1);
    layout->addWidget(cancel);
    const DialogUnits units(font);
    setMinimumWidth(units.x(76));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + QPoint(units.x(5), units.y(5)));

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_timers = (makeTimers ? makeTimers : qtTimerHostFactory())([this](int id) { OnTimer(id); });
}

CReserveWaitDlg::~CReserveWaitDlg() = default;

int CReserveWaitDlg::exec() {
    if (!m_timers->startTimer(kCheckTimer, kCheckMs)) {
        messageBox(tr("ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。\n時刻表示できません。"),
                   MsgIcon::Exclamation);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CReserveWaitDlg::OnTimer(int id) {
    if (id != kCheckTimer)
        return;
    if (m_target.reachedAt(m_clock())) {
        m_timers->killTimer(kCheckTimer);
        accept();
        return;
    }
    m_timers->startTimer(kCheckTimer, kCheckMs);
}

} // namespace tonalink
