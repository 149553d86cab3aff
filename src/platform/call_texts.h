// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/modem/call_status.h"

#include <QString>
#include <string>

namespace tonalink {

// The call's texts in the interface's language, for the call window and the tool.

QString callStatusLabel(CallStatus status);
// A warning the call hands over as CP932 bytes.
QString callWarningText(const std::string& cp932);
// "回線エラーのため送信を中止しました。", then the line's reason (a modem's reply).
QString lineFailureMessage(const std::string& reason);

} // namespace tonalink
