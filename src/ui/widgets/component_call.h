#pragma once

#include <QString>

namespace tonalink {

// Calls an outside component's library entry point, as the menu commands do:
// `missingText` when the library cannot be loaded, "DLL ERROR !!" when it lacks
// the entry point. False only when the library could not be loaded.
bool callComponent(const char* fileName, const char* entryPoint, const QString& missingText);

} // namespace tonalink
