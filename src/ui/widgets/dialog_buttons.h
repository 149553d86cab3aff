#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;

namespace tonalink {

// The closing buttons of a dialog, right-aligned in one row: `okText` (id 1, the
// default) accepts, "ｷｬﾝｾﾙ" (id 2) rejects.
QHBoxLayout* okCancelButtons(QDialog* dialog, const QString& okText = QStringLiteral("OK"));

} // namespace tonalink
