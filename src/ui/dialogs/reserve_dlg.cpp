#include "ui/dialogs/reserve_dlg.h"

#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/int_edit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tonalink {
namespace {

QCheckBox* makeCheck(QWidget* parent, int id, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, parent);
    setControlId(box, id);
    box->setChecked(checked);
    return box;
}

} // namespace

CReserveDlg::CReserveDlg(const ReserveChoice& initial, QWidget* parent)
    : QDialog(parent), m_choice(initial) {
    setWindowTitle(tr("予約送信設定"));
    setFont(dialogFont(10));

    m_exitAfterSending =
        makeCheck(this, kExitAfterSending, tr("送信後終了"), initial.exitAfterSending);
    m_hour = makeIntEdit(this, kHour);
    m_hour->setValue(initial.hour);
    m_minute = makeIntEdit(this, kMinute);
    m_minute->setValue(initial.minute);
    m_keepTime = makeCheck(this, kKeepTime, tr("発信時刻保存"), initial.keepTime);

    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                       DialogUnits(font()).x(14); // room for the arrows
    m_hour->setMinimumWidth(digits);
    m_minute->setMinimumWidth(digits);
    auto* time = new QHBoxLayout;
    time->addWidget(m_hour);
    time->addWidget(new QLabel(tr("："), this));
    time->addWidget(m_minute);
    time->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_exitAfterSending);
    layout->addWidget(new QLabel(tr("発信時刻(24h)"), this));
    layout->addLayout(time);
    layout->addWidget(m_keepTime);
    layout->addLayout(okCancelButtons(this));
    setMinimumSize(DialogUnits(font()).size(85, 84));
    m_hour->setFocus();
}

void CReserveDlg::accept() {
    const std::optional<int> hour = readIntEdit(m_hour, 0, 23);
    if (!hour)
        return;
    const std::optional<int> minute = readIntEdit(m_minute, 0, 59);
    if (!minute)
        return;
    m_choice = {m_exitAfterSending->isChecked(), *hour, *minute, m_keepTime->isChecked()};
    QDialog::accept();
}

} // namespace tonalink
