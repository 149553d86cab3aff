#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tonalink {

bool installQtJapanese(QCoreApplication& app) {
    static constexpr const char* kName = "qtbase_ja";
    // A component called by the program finds the program's own already there.
    if (app.findChild<QTranslator*>(QLatin1String(kName), Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(kName));
    if (!translator->load(QLatin1String(kName),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace tonalink
