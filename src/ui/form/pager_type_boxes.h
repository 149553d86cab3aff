#pragma once

#include <string>
#include <string_view>
#include <vector>

class QComboBox;

namespace tonalink {

struct TableEntry;

// The pager-type box and the fixed-phrase box. Items keep the CP932 bytes they
// were made from, so what the program reads back is exactly what the file held.

// Empties the box and adds the names sorted; afterwards nothing is selected.
void fillPagerTypeBox(QComboBox* box, const std::vector<std::string>& names);
// The selected name as CP932 bytes; empty when nothing is selected.
std::string selectedPagerTypeName(const QComboBox* box);
// Selects the item equal to `name` ignoring case; no selection when there is none.
void selectPagerTypeByName(QComboBox* box, std::string_view name);

// Empties the box and adds every phrase entry whole, in list order; nothing is
// selected afterwards.
void fillPhraseBox(QComboBox* box, const std::vector<TableEntry>& phrases);
// The phrase an entry stands for: everything after its first ']', or the whole
// entry when it has none. Empty when nothing is selected.
std::string selectedPhrase(const QComboBox* box);

} // namespace tonalink
