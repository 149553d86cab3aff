#include "ui/dialogs/msg_list_dlg.h"

#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/sorted_items.h"

#include <QListWidget>
#include <QPushButton>

namespace tonalink {
namespace {

QPushButton* addButton(QDialog* dialog, const DialogUnits& du, int id, const QString& text, int y) {
    auto* button = new QPushButton(text, dialog);
    setControlId(button, id);
    button->setAutoDefault(false);
    du.place(button, 110, y, 44, 14);
    return button;
}

} // namespace

CMsgListDlg::CMsgListDlg(std::vector<std::string>& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setWindowTitle(tr("メッセージ登録リスト"));
    const QFont font = dialogFont(10);
    setFont(font);
    const DialogUnits du(font);
    resize(du.size(161, 89));

    m_list = new QListWidget(this);
    setControlId(m_list, kList);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    du.place(m_list, 7, 7, 96, 75);
    QPushButton* remove = addButton(this, du, kDelete, tr("削除"), 7);
    QPushButton* ok = addButton(this, du, kOk, QStringLiteral("OK"), 50);
    ok->setDefault(true);
    QPushButton* cancel = addButton(this, du, kCancel, tr("ｷｬﾝｾﾙ"), 68);

    connect(remove, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    OnInitDialog();
}

void CMsgListDlg::OnInitDialog() {
    for (const std::string& message : m_messages) {
        addSortedBytes(m_list, withLf(fromCp932(message)), message);
    }
    m_list->setCurrentRow(0);
}

void CMsgListDlg::OnDelete() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        messageBox(tr("削除するリストを選択して下さい。"), MsgIcon::Exclamation);
        return;
    }
    if (messageBox(tr("削除しますか？"), MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    delete selected.first();
    m_list->setCurrentRow(0);
}

void CMsgListDlg::accept() {
    std::vector<std::string> shown;
    for (int row = 0; row < m_list->count(); ++row) {
        shown.push_back(itemBytes(m_list->item(row)));
    }
    m_messages = std::move(shown);
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_chosenMessage = selected.isEmpty() ? std::string() : itemBytes(selected.first());
    QDialog::accept();
}

} // namespace tonalink
