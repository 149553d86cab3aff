#include "ui/dialogs/broadcast_dlg.h"

#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/qt_text.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <numeric>

namespace tonalink {

CBroadcastDlg::CBroadcastDlg(const std::array<std::string, kBroadcastGroups>& groupNames,
                             const std::array<int32_t, kBroadcastGroups>& counts, QWidget* parent)
    : QDialog(parent), m_counts(counts) {
    setWindowTitle(tr("同時発信"));
    setFont(dialogFont(10));

    auto* frame = new QGroupBox(tr("発信グループ"), this);
    auto* rows = new QGridLayout(frame);
    auto* choice = new QButtonGroup(this);
    for (int n = 0; n < kBroadcastGroups; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        m_groups[i] = new QRadioButton(fromCp932(groupNames[i]), frame);
        setControlId(m_groups[i], kFirstGroup + n);
        m_groups[i]->setEnabled(counts[i] > 0);
        choice->addButton(m_groups[i], n);
        auto* count = new QLabel(tr("%1人").arg(counts[i]), frame);
        setControlId(count, kFirstCount + n);
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows->addWidget(m_groups[i], n, 0);
        rows->addWidget(count, n, 1);
    }
    rows->setColumnStretch(0, 1);
    m_groups[0]->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancelButtons(this, tr("発信")));
    setMinimumSize(DialogUnits(font()).size(123, 71));
}

int CBroadcastDlg::exec() {
    if (std::accumulate(m_counts.begin(), m_counts.end(), 0) == 0)
        return QDialog::Rejected;
    // A disabled radio button takes no focus: start on the chosen one or on 発信.
    if (m_groups[0]->isEnabled())
        m_groups[0]->setFocus();
    return QDialog::exec();
}

void CBroadcastDlg::accept() {
    for (int n = 0; n < kBroadcastGroups; ++n) {
        if (m_groups[static_cast<std::size_t>(n)]->isChecked())
            m_group = n;
    }
    QDialog::accept();
}

} // namespace tonalink
