// The library form's one entry point, which the program looks up by name.

#include "open_editor.h"
#include "widget_host.h"

extern "C" __attribute__((visibility("default"))) void PbEditOpenMain() {
    tonalink::runWithWidgetApplication("pbedit", [] { tonalink::runPbEdit({}); });
}
