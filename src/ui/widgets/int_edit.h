#pragma once

#include <optional>

class QSpinBox;
class QWidget;

namespace tonalink {

// An edit for a whole number with an up-down control attached (arrows and the
// arrow keys step it). It sets no range: the range is checked when the value is
// read, with the framework's messages.
QSpinBox* makeIntEdit(QWidget* parent, int id);

// The value of `edit` when it holds an integer within [min, max]. Otherwise shows
// "Please enter an integer." or "Please enter an integer between MIN and MAX.",
// puts the focus on the edit with its text selected, and returns nothing.
std::optional<int> readIntEdit(QSpinBox* edit, int min, int max);

} // namespace tonalink
