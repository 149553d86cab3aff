#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;

namespace tonalink {

// Text that CP932 cannot hold would be lost on the way into the settings.
QString unusableCharacterText();

// The box's text as CP932 bytes, taken when a dialog is closed with OK. Text that
// cannot be held is reported, the box gets the focus with its text selected, and
// nothing is returned, so the dialog stays open. With `exactly`, text that would
// come back changed (a file's path) is refused the same way.
std::optional<std::string> takeText(QLineEdit* edit, bool exactly = false);

// A check box as the program's switches hold it: 1 checked, 0 not.
void setCheck(QCheckBox* box, int32_t value);
int32_t check(const QCheckBox* box);

} // namespace tonalink
