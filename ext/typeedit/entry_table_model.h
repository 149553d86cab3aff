#pragma once

#include "core/pagerdata/pager_type_editing.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace tonalink {

// One list of a pager type as rows of code, text and warning. Edits of a cell
// change the row's entry and are handed on whole: the page writes the list.
class CEntryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodeColumn, TextColumn, WarningColumn, ColumnCount };

    CEntryTableModel(PagerTypeList list, QObject* parent = nullptr);

    void setContents(const TypeListContents& contents);
    const std::vector<std::string>& values() const { return values_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The list as the user wants it after editing one cell.
    void valuesEdited(const std::vector<std::string>& values);

private:
    PagerTypeList list_;
    std::vector<std::string> values_;
    std::vector<QString> warnings_; // per row, empty when fine
};

} // namespace tonalink
