#pragma once

class QLineEdit;

namespace tonalink {

// Limits what the user can type into `edit` to `maxLength` characters, as the
// system's edit limit does: it stops typing and pasting only. Text the program
// sets is kept whole, and an edit that holds more than the limit lets the user
// take characters away but add none.
void limitTyping(QLineEdit* edit, int maxLength);

} // namespace tonalink
