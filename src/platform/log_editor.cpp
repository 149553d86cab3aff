#include "platform/log_editor.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tonalink {

bool startLogEditor(const QString& editExeFile, const QString& logPath) {
    const QString program = editExeFile.trimmed();
    if (program.compare(QLatin1String("NOTEPAD.EXE"), Qt::CaseInsensitive) == 0) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(logPath));
    }
    if (program.isEmpty()) {
        return false;
    }
    // The setting names a program, not a command line: no shell, no splitting.
    return QProcess::startDetached(program, {logPath});
}

} // namespace tonalink
