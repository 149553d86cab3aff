#include "entry_table_model.h"

#include "core/common/cp932.h"
#include "core/pagerdata/pager_type.h"
#include "type_edit_texts.h"
#include "ui/widgets/qt_text.h"

#include <QBrush>
#include <QColor>

namespace tonalink {

CEntryTableModel::CEntryTableModel(PagerTypeList list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

void CEntryTableModel::setContents(const TypeListContents& contents) {
    beginResetModel();
    values_ = contents.list.values;
    warnings_.assign(values_.size(), QString());
    for (const EntryWarning& w : contents.warnings) {
        QString& text = warnings_[w.row];
        text += (text.isEmpty() ? QString() : tr("、")) + typeedit::warningText(w, list_);
    }
    endResetModel();
}

int CEntryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.size());
}

int CEntryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CEntryTableModel::data(const QModelIndex& index, int role) const {
    const std::size_t row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= values_.size())
        return {};
    const QString& warning = warnings_[row];
    if (role == Qt::BackgroundRole)
        return warning.isEmpty() ? QVariant() : QBrush(QColor(255, 240, 200));
    if (role == Qt::ToolTipRole)
        return warning.isEmpty() ? QVariant() : warning;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const TableEntry entry = TableEntry::parse(values_[row]);
    const bool split = entry.bracketed;
    switch (index.column()) {
    case CodeColumn:
        return split ? fromCp932(entry.code) : QString();
    case TextColumn:
        return fromCp932(split ? entry.text : entry.raw);
    default:
        return warning;
    }
}

QVariant CEntryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case CodeColumn:
        return tr("コード");
    case TextColumn:
        return tr("文字");
    default:
        return tr("注意");
    }
}

Qt::ItemFlags CEntryTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() != WarningColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CEntryTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const std::size_t row = static_cast<std::size_t>(index.row());
    if (role != Qt::EditRole || row >= values_.size() || index.column() == WarningColumn)
        return false;
    const auto typed = toCp932(value.toString());
    if (!typed)
        return false;
    const TableEntry entry = TableEntry::parse(values_[row]);
    const bool split = entry.bracketed;
    std::string codeBytes = split ? entry.code : std::string();
    std::string textBytes = split ? entry.text : entry.raw;
    (index.column() == CodeColumn ? codeBytes : textBytes) = *typed;
    // A ']' in the code would end it early.
    if (cp932::containsChar(codeBytes, ']'))
        return false;
    std::vector<std::string> edited = values_;
    edited[row] = "[" + codeBytes + "]" + textBytes;
    if (edited[row] == values_[row])
        return false;
    emit valuesEdited(edited);
    return true;
}

} // namespace tonalink
