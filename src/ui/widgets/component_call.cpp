#include "ui/widgets/component_call.h"

#include "platform/extension_component.h"
#include "ui/widgets/message_box_service.h"

namespace tonalink {

bool callComponent(const char* fileName, const char* entryPoint, const QString& missingText) {
    switch (callLibraryEntry(fileName, entryPoint)) {
    case EntryCall::Called:
        return true;
    case EntryCall::EntryPointMissing:
        messageBox(QStringLiteral("DLL ERROR !!"));
        return true;
    case EntryCall::LibraryMissing:
        break;
    }
    messageBox(missingText);
    return false;
}

} // namespace tonalink
