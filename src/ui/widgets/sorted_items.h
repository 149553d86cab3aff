#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

namespace tonalink {

// Sorted list controls keep their items in the order of this comparison:
// letters compared without case, then with case so the order is total.
bool sortsBefore(const QString& a, const QString& b);

// Insert after every item that does not sort after `text`; returns the position.
int addSorted(QComboBox* box, const QString& text);
int addSorted(QListWidget* list, const QString& text);

} // namespace tonalink
