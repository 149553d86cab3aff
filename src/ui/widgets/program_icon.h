#pragma once

#include <QIcon>

namespace tonalink {

// The program's icon in every size it is drawn in, from the resource `icons`
// (res/icons.qrc); the phone-book editor's own window shows it too.
QIcon programIcon();

} // namespace tonalink
