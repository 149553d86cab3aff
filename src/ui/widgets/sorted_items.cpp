#include "ui/widgets/sorted_items.h"

#include <functional>

namespace tonalink {
namespace {

int upperBound(int count, const std::function<QString(int)>& textAt, const QString& text) {
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (sortsBefore(text, textAt(mid))) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

} // namespace

bool sortsBefore(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.compare(b, Qt::CaseSensitive) < 0;
}

int addSorted(QComboBox* box, const QString& text) {
    const int at = upperBound(
        box->count(), [box](int i) { return box->itemText(i); }, text);
    box->insertItem(at, text);
    return at;
}

int addSorted(QListWidget* list, const QString& text) {
    const int at = upperBound(
        list->count(), [list](int i) { return list->item(i)->text(); }, text);
    list->insertItem(at, text);
    return at;
}

int addSortedBytes(QListWidget* list, const QString& shown, const std::string& bytes) {
    const int at = addSorted(list, shown);
    list->item(at)->setData(Qt::UserRole, QByteArray(bytes.data(), qsizetype(bytes.size())));
    return at;
}

std::string itemBytes(const QListWidgetItem* item) {
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tonalink
