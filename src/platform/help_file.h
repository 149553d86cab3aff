#pragma once

#include <QString>
#include <optional>

namespace tonalink {

inline constexpr char kHelpFileName[] = "Tonalink.html";

// The user guide: beside the program first, then in the installed documentation
// folder (`installedDocDir`). Nothing when neither holds it.
std::optional<QString> locateHelpFile(const QString& programDir, const QString& installedDocDir);

} // namespace tonalink
