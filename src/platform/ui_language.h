// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

class QCoreApplication;

namespace tonalink {

enum class UiLanguage { Japanese, English };

// TONALINK_LANG=ja or en decides; else the first of LC_ALL, LC_MESSAGES and LANG
// that is set and not empty: Japanese for "ja" and "ja_*", English for any other
// locale (C and POSIX included) and when none is set.
UiLanguage uiLanguageFrom(const std::function<std::string(const char* name)>& getenv);
UiLanguage uiLanguage();

// Puts the user's language on the application's texts, once per application (a
// component called by the program finds the program's translations in place):
// Japanese keeps the program's own texts and loads Qt's qtbase_ja for the
// framework's buttons and dialogs; English loads each catalog's embedded
// ":/i18n/<catalog>_en.qm" (Qt's own texts are English already). False when a
// translation could not be loaded; the texts stay as they are then.
bool installTranslations(QCoreApplication& app, std::initializer_list<const char*> catalogs);

} // namespace tonalink
