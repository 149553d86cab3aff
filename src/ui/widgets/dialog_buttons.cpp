#include "ui/widgets/dialog_buttons.h"

#include "ui/widgets/dialog_units.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tonalink {

QHBoxLayout* okCancelButtons(QDialog* dialog, const QString& okText) {
    auto* ok = new QPushButton(okText, dialog);
    setControlId(ok, 1);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("DialogButtons", "ｷｬﾝｾﾙ"), dialog);
    setControlId(cancel, 2);
    cancel->setAutoDefault(false);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace tonalink
