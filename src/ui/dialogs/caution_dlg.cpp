#include "ui/dialogs/caution_dlg.h"

#include "ui/widgets/dialog_units.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalink {

CCautionDlg::CCautionDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("注　意"));
    setFont(dialogFont(10));

    auto* text = new QLabel(
        tr("発信時、センターが話し中の場合、送信処理が終了してもメッセージが送られません。"
           "\n重要なメッセージは予約発信機能の使用を避けて下さい。"),
        this);
    text->setWordWrap(true);
    m_dontShowAgain = new QCheckBox(tr("次回からこのメッセージを表示しない"), this);
    setControlId(m_dontShowAgain, kDontShowAgain);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    setControlId(ok, 1);
    ok->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_dontShowAgain, 1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(bottom);
    const DialogUnits units(font());
    text->setMinimumWidth(units.x(180));
    setMinimumSize(units.size(193, 74));

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool CCautionDlg::dontShowAgain() const {
    return m_dontShowAgain->isChecked();
}

} // namespace tonalink
