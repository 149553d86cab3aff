#include "ui/dialogs/op_property_sheet.h"

#include "core/app/settings.h"
#include "ui/dialogs/op_property_pages.h"
#include "ui/widgets/dialog_units.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tonalink {

COpPropertySheet::COpPropertySheet(const Settings& settings, FileDialogService& fileDialogs,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("オプション"));
    setFont(dialogFont(9));
    m_tabs = new QTabWidget(this);
    m_page1 = new COpPropertyPage1(settings.Groups, m_tabs);
    m_page2 = new COpPropertyPage2(
        {settings.CustomCommand1, settings.CustomCommand2, settings.CustomCommand3}, m_tabs);
    m_page3 = new COpPropertyPage3({settings.Reservation, settings.MsgSendC, settings.ShoutCutEnd,
                                    settings.PbEditExe, settings.EditExeFile},
                                   fileDialogs, m_tabs);
    m_tabs->addTab(m_page1, tr("同報"));
    m_tabs->addTab(m_page2, tr("ｶｽﾀﾑｺﾏﾝﾄﾞ"));
    m_tabs->addTab(m_page3, tr("その他"));
    m_tabs->setCurrentIndex(0);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    setControlId(ok, 1);
    ok->setDefault(true);
    setControlId(buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(DialogUnits(font()).size(230, 150)));
}

void COpPropertySheet::accept() {
    // Each page is current while it is taken, so a refused box is seen and focused.
    QWidget* shown = m_tabs->currentWidget();
    const auto take = [this](QWidget* page, auto exchange) {
        m_tabs->setCurrentWidget(page);
        return exchange();
    };
    if (!take(m_page1, [this] { return m_page1->DoDataExchange(true); }) ||
        !take(m_page2, [this] { return m_page2->DoDataExchange(true); }) ||
        !take(m_page3, [this] { return m_page3->DoDataExchange(true); }))
        return;
    m_tabs->setCurrentWidget(shown);
    QDialog::accept();
}

void COpPropertySheet::ApplyOptions(Settings& settings) const {
    settings.Groups = m_page1->m_groups;
    settings.CustomCommand1 = m_page2->m_commands[0];
    settings.CustomCommand2 = m_page2->m_commands[1];
    settings.CustomCommand3 = m_page2->m_commands[2];
    const COpPropertyPage3::Values& other = m_page3->m_values;
    settings.Reservation = other.Reservation;
    settings.MsgSendC = other.MsgSendC;
    settings.ShoutCutEnd = other.ShoutCutEnd;
    settings.PbEditExe = other.PbEditExe;
    settings.EditExeFile = other.EditExeFile;
}

} // namespace tonalink
