#pragma once

#include <QString>
#include <string>

namespace tonalink {

// Runs the phone-book editor modally on the phone book in `dir` (empty: the
// current folder), with the group names of the user's settings. One editor per
// data folder: when another one (the program form or the library form) has
// the folder open, that one is brought to the front instead.
void runPbEdit(const std::string& dir);

// The name of the editor's lock and socket for the data folder `dir`.
QString pbEditInstanceName(const std::string& dir);

} // namespace tonalink
