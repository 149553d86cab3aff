#pragma once

class QCoreApplication;

namespace tonalink {

// Puts Qt's own texts (standard buttons, the file dialogs) into Japanese, as all
// of the program's are: loads Qt's qtbase_ja translation once per application.
// The program's own texts are not translated. False when the translation is not
// installed (the Debian package qt6-translations-l10n).
bool installQtJapanese(QCoreApplication& app);

} // namespace tonalink
