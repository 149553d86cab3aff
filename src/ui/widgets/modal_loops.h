#pragma once

namespace tonalink {

// The program is ending: every open modal window is closed as its Cancel or
// close box would close it (a call window hangs up), and from now on message
// boxes are answered at once with their cancelling answer instead of being shown.
void endModalLoops();
// True from endModalLoops on: work that would open a modal window next (the next
// call of a broadcast) stops instead.
bool modalLoopsEnded();

} // namespace tonalink
