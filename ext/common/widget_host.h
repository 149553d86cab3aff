#pragma once

#include <functional>

namespace tonalink {

// Runs `open` (which shows the component's modal window) with a widget
// application: the host program's own, or one made for the call when the host
// has none, with Qt's own texts in Japanese. A host running a console application
// cannot show windows: nothing runs.
void runWithWidgetApplication(const char* name, const std::function<void()>& open);

} // namespace tonalink
