#include "ui/form/pager_type_boxes.h"

#include "core/pagerdata/pager_type.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/sorted_items.h"

#include <QByteArray>
#include <QComboBox>

namespace tonalink {
namespace {

QByteArray bytesOf(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string itemBytes(const QComboBox* box, int index) {
    const QByteArray bytes = box->itemData(index).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void addEntry(QComboBox* box, const std::string& entry) {
    box->addItem(fromCp932(entry), bytesOf(entry));
}

} // namespace

void fillPagerTypeBox(QComboBox* box, const std::vector<std::string>& names) {
    box->clear();
    for (const std::string& name : names) {
        const int at = addSorted(box, fromCp932(name));
        box->setItemData(at, bytesOf(name));
    }
    box->setCurrentIndex(-1);
}

std::string selectedPagerTypeName(const QComboBox* box) {
    const int index = box->currentIndex();
    return index < 0 ? std::string() : itemBytes(box, index);
}

void selectPagerTypeByName(QComboBox* box, std::string_view name) {
    const QString wanted = fromCp932(name);
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) {
            box->setCurrentIndex(i);
            return;
        }
    }
    box->setCurrentIndex(-1);
}

void fillPhraseBox(QComboBox* box, const std::vector<TableEntry>& phrases) {
    box->clear();
    for (const TableEntry& phrase : phrases) {
        addEntry(box, phrase.raw);
    }
    box->setCurrentIndex(-1);
}

std::string selectedPhrase(const QComboBox* box) {
    const int index = box->currentIndex();
    if (index < 0) {
        return {};
    }
    // The hint shown before any type is loaded carries no entry.
    const std::string entry = itemBytes(box, index);
    const std::size_t close = entry.find(']');
    return close == std::string::npos ? entry : entry.substr(close + 1);
}

} // namespace tonalink
