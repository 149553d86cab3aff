#pragma once

#include <string>

namespace tonalink {

// Runs the phone-book editor modally on the phone book in `dir` (empty: the
// current folder), with the group names of the user's settings.
void runPbEdit(const std::string& dir);

} // namespace tonalink
