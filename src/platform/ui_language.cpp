// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

namespace tonalink {
namespace {

bool startsWithJa(const std::string& locale) {
    return locale == "ja" || locale.rfind("ja_", 0) == 0 || locale.rfind("ja.", 0) == 0;
}

// Loads one translation as a child of the application, named so that a second
// call finds it; true when it is (or already was) in place.
bool install(QCoreApplication& app, const QString& name, const QString& file, const QString& dir) {
    if (app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (!translator->load(file, dir) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

UiLanguage uiLanguageFrom(const std::function<std::string(const char* name)>& getenv) {
    const std::string chosen = getenv("TONALINK_LANG");
    if (chosen == "ja")
        return UiLanguage::Japanese;
    if (chosen == "en")
        return UiLanguage::English;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = getenv(name);
        if (!locale.empty())
            return startsWithJa(locale) ? UiLanguage::Japanese : UiLanguage::English;
    }
    return UiLanguage::English;
}

UiLanguage uiLanguage() {
    return uiLanguageFrom([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

bool installTranslations(QCoreApplication& app, std::initializer_list<const char*> catalogs) {
    if (uiLanguage() == UiLanguage::Japanese)
        return install(app, QStringLiteral("qtbase_ja"), QStringLiteral("qtbase_ja"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    bool all = true;
    for (const char* catalog : catalogs) {
        const QString name = QLatin1String(catalog) + QLatin1String("_en");
        all = install(app, name, name, QStringLiteral(":/i18n")) && all;
    }
    return all;
}

} // namespace tonalink
