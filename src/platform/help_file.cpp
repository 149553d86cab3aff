#include "platform/help_file.h"

#include <QDir>
#include <QFileInfo>

namespace tonalink {

std::optional<QString> locateHelpFile(const QString& programDir, const QString& installedDocDir) {
    for (const QString& dir : {programDir, installedDocDir}) {
        if (dir.isEmpty())
            continue;
        const QFileInfo file(QDir(dir).filePath(QLatin1String(kHelpFileName)));
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return std::nullopt;
}

} // namespace tonalink
