#include "ui/dialogs/phone_book_dlg.h"

#include "core/pagerdata/phone_book.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/sorted_items.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tonalink {

CPhoneBookDlg::CPhoneBookDlg(PhoneBook& phoneBook, QWidget* parent)
    : QDialog(parent), m_phoneBook(phoneBook) {
    setWindowTitle(tr("電話帳参照"));
    setFont(dialogFont(9));

    m_list = new QListWidget(this);
    setControlId(m_list, kList);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_info = new QLabel(tr("メッセージを送信したい人を選んでください。"), this);
    setControlId(m_info, kInfo);
    m_info->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Two lines of text whatever the first one says.
    m_info->setMinimumHeight(m_info->fontMetrics().lineSpacing() * 2 + 8);
    m_info->setWordWrap(true);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    setControlId(m_ok, kOk);
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    setControlId(cancel, kCancel);
    cancel->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(tr("電話帳"), this));
    listColumn->addWidget(m_list, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_info);
    resize(DialogUnits(font()).size(180, 150));

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { OnSelChange(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        // With the file missing only Cancel is possible, by mouse as by button.
        if (m_ok->isEnabled()) {
            accept();
        }
    });

    OnInitDialog();
}

void CPhoneBookDlg::OnInitDialog() {
    if (!m_phoneBook.LocatePhoneBook()) {
        messageBox(tr("電話帳情報ファイルがありません"), MsgIcon::Stop);
        m_list->addItem(tr("電話帳データファイルがありません"));
        m_ok->setEnabled(false);
        return;
    }
    for (const std::string& name : m_phoneBook.ReadEntryNames()) {
        addSortedBytes(m_list, fromCp932(name), name);
    }
    const int last = m_phoneBook.PbLastIndex;
    if (last >= 0 && last < m_list->count()) {
        // Pre-selecting is not the user's choice: the information line keeps its prompt.
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(last);
    }
}

void CPhoneBookDlg::OnSelChange() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty() || !m_ok->isEnabled()) {
        return;
    }
    const PhoneBookEntry entry = m_phoneBook.ReadPhoneBookEntry(itemBytes(selected.first()));
    m_info->setText(tr("呼出機種 : %1 \n呼出番号 : %2")
                        .arg(fromCp932(entry.PbType), fromCp932(entry.PbCallNo)));
}

void CPhoneBookDlg::accept() {
    if (!m_ok->isEnabled()) {
        return;
    }
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_selectedName.clear();
    if (!selected.isEmpty()) {
        m_phoneBook.PbLastIndex = m_list->row(selected.first());
        m_selectedName = itemBytes(selected.first());
    }
    QDialog::accept();
}

} // namespace tonalink
