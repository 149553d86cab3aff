#include "widget_host.h"

#include "platform/ui_language.h"

#include <QApplication>
#include <memory>

namespace tonalink {

void runWithWidgetApplication(const char* name, const std::function<void()>& open) {
    std::unique_ptr<QApplication> own;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(name), nullptr};
        own = std::make_unique<QApplication>(argc, argv);
    }
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        installTranslations(*app, {"tonalink", "components"});
        open();
    }
}

} // namespace tonalink
