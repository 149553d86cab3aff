#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <string>

namespace tonalink {

// Sorted list controls keep their items in the order of this comparison:
// letters compared without case, then with case so the order is total.
bool sortsBefore(const QString& a, const QString& b);

// Insert after every item that does not sort after `text`; returns the position.
int addSorted(QComboBox* box, const QString& text);
int addSorted(QListWidget* list, const QString& text);

// An item showing `shown` that keeps the CP932 bytes it stands for, so what
// the display cannot round-trip is handed back unchanged.
int addSortedBytes(QListWidget* list, const QString& shown, const std::string& bytes);
std::string itemBytes(const QListWidgetItem* item);

} // namespace tonalink
