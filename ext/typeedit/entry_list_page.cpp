#include "entry_list_page.h"

#include "entry_table_model.h"
#include "type_edit_document.h"
#include "type_edit_texts.h"
#include "ui/widgets/message_box_service.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace tonalink {

CEntryListPage::CEntryListPage(TypeEditDocument& document, PagerTypeList list, QWidget* parent)
    : QWidget(parent), document_(document), list_(list), model_(new CEntryTableModel(list, this)),
      view_(new QTableView(this)), count_(new QLabel(this)),
      fixCount_(new QPushButton(tr("件数を合わせる(&C)"), this)) {
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->horizontalHeader()->setSectionResizeMode(CEntryTableModel::WarningColumn,
                                                    QHeaderView::Stretch);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    connect(model_, &CEntryTableModel::valuesEdited, this,
            [this](const std::vector<std::string>& values) { apply(values, currentRow()); });

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    addButton(tr("挿入(&I)"), [this] { insertEntry(); })->setObjectName("insert");
    addButton(tr("削除(&D)"), [this] { deleteEntry(); })->setObjectName("delete");
    addButton(tr("上へ(&U)"), [this] { moveEntry(-1); });
    addButton(tr("下へ(&N)"), [this] { moveEntry(1); });
    buttons->addStretch();
    buttons->addWidget(count_);
    buttons->addWidget(fixCount_);
    connect(fixCount_, &QPushButton::clicked, this, [this] { fixCount(); });
    count_->setStyleSheet(QStringLiteral("color: #a04000"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
}

void CEntryListPage::showType(const std::string& type) {
    type_ = type;
    reload();
    view_->resizeColumnToContents(CEntryTableModel::CodeColumn);
    view_->setColumnWidth(
        CEntryTableModel::CodeColumn,
        std::max(view_->columnWidth(CEntryTableModel::CodeColumn),
                 view_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000"))));
}

void CEntryListPage::reload() {
    const TypeListContents contents = document_.list(type_, list_);
    model_->setContents(contents);
    const QString problem = typeedit::countText(contents.list, numberedListOf(list_).countKey);
    count_->setText(problem);
    count_->setVisible(!problem.isEmpty());
    fixCount_->setVisible(!problem.isEmpty());
    setEnabled(!type_.empty());
}

int CEntryListPage::currentRow() const {
    return view_->currentIndex().isValid() ? view_->currentIndex().row() : -1;
}

void CEntryListPage::apply(const std::vector<std::string>& values, int row) {
    const int column = std::max(view_->currentIndex().column(), 0);
    const ProfileError e = document_.setList(type_, list_, values);
    if (e != ProfileError::None)
        messageBox(typeedit::errorText(e), MsgIcon::Exclamation);
    reload();
    if (row >= 0 && row < model_->rowCount())
        view_->setCurrentIndex(model_->index(row, column));
    if (e == ProfileError::None)
        emit edited();
}

void CEntryListPage::insertEntry() {
    std::vector<std::string> values = model_->values();
    const int row = currentRow() < 0 ? static_cast<int>(values.size()) : currentRow();
    values.insert(values.begin() + row, "[]");
    apply(values, row);
    view_->setFocus();
    view_->edit(model_->index(row, CEntryTableModel::CodeColumn));
}

void CEntryListPage::deleteEntry() {
    const int row = currentRow();
    if (row < 0)
        return;
    std::vector<std::string> values = model_->values();
    values.erase(values.begin() + row);
    apply(values, std::min(row, static_cast<int>(values.size()) - 1));
}

void CEntryListPage::moveEntry(int by) {
    const int row = currentRow();
    std::vector<std::string> values = model_->values();
    if (row < 0 || row + by < 0 || row + by >= static_cast<int>(values.size()))
        return;
    std::swap(values[static_cast<std::size_t>(row)], values[static_cast<std::size_t>(row + by)]);
    apply(values, row + by);
}

void CEntryListPage::fixCount() {
    // Entries the count names but the file lacks are dropped from the end.
    std::vector<std::string> values = model_->values();
    while (!values.empty() && values.back().empty())
        values.pop_back();
    apply(values, currentRow());
}

} // namespace tonalink
