#pragma once

#include <QPoint>
#include <functional>

class QWidget;

namespace tonalink {

// The form's context menu (menu resource 471, its first pop-up): create shortcut,
// load shortcut and send, a separator, paste into the message. Runs it at the
// screen point `at` and hands the chosen command id to `onCommand`.
void trackFormContextMenu(QWidget* owner, QPoint at, const std::function<void(int id)>& onCommand);

} // namespace tonalink
