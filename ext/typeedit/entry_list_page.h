#pragma once

#include "core/pagerdata/pager_type_editing.h"

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace tonalink {

class CEntryTableModel;
class TypeEditDocument;

// One code list of the type being edited: the table, the buttons that insert,
// delete and move entries, and what is wrong with the count.
class CEntryListPage : public QWidget {
    Q_OBJECT
public:
    CEntryListPage(TypeEditDocument& document, PagerTypeList list, QWidget* parent = nullptr);

    void showType(const std::string& type);
    QTableView* view() const { return view_; }

signals:
    void edited();

private:
    void reload();
    // Writes the list into the document; on refusal says why and shows it as it was.
    void apply(const std::vector<std::string>& values, int currentRow);
    void insertEntry();
    void deleteEntry();
    void moveEntry(int by);
    void fixCount();
    int currentRow() const;

    TypeEditDocument& document_;
    PagerTypeList list_;
    std::string type_;
    CEntryTableModel* model_;
    QTableView* view_;
    QLabel* count_;
    QPushButton* fixCount_;
};

} // namespace tonalink
