#include "platform/desktop_registration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThreadPool>

namespace tonalink {

namespace {

const QString kMimeType = QStringLiteral("application/x-tonalink-document");
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QByteArray resourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes only when the bytes differ, so a normal start touches nothing.
bool writeIfChanged(const QString& path, const QByteArray& bytes, QStringList& written) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() &&
        existing.readAll() == bytes)
        return false;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    written << path;
    return true;
}

bool extensionClaimedByOtherType() {
    const QMimeDatabase db;
    for (const QMimeType& type : db.mimeTypesForFileName(QStringLiteral("x.tks"))) {
        if (type.name() != kMimeType)
            return true;
    }
    return false;
}

QByteArray mimePackage() {
    QByteArray xml = resourceBytes(QStringLiteral(":/desktop/tonalink-mime.xml"));
    if (extensionClaimedByOtherType())
        xml.replace(QByteArrayLiteral("    <glob pattern=\"*.tks\"/>\n"), QByteArray());
    return xml;
}

QByteArray desktopEntry(const QString& programPath) {
    QString entry = QString::fromUtf8(resourceBytes(QStringLiteral(":/desktop/tonalink.desktop")));
    entry.replace(
        QRegularExpression(QStringLiteral("^Exec=.*$"), QRegularExpression::MultilineOption),
        QStringLiteral("Exec=") + desktopExecLine(programPath));
    return entry.toUtf8();
}

void refreshDatabases(const QString& dataHome) {
    const QString mimeTool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!mimeTool.isEmpty())
        QProcess::startDetached(mimeTool, {dataHome + QStringLiteral("/mime")});
    const QString desktopTool =
        QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (!desktopTool.isEmpty())
        QProcess::startDetached(desktopTool, {dataHome + QStringLiteral("/applications")});
}

// XDG_TEMPLATES_DIR from user-dirs.dirs; empty when unset or pointing at the home folder.
QString templatesFolder() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
    if (!dirs.open(QIODevice::ReadOnly) || dirs.size() > qint64{64} * 1024)
        return {};
    static const QRegularExpression line(QStringLiteral("^XDG_TEMPLATES_DIR=\"(.*)\"\\s*$"),
                                         QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromUtf8(dirs.readAll()));
    if (!match.hasMatch())
        return {};
    QString dir = match.captured(1);
    dir.replace(QStringLiteral("$HOME"), QDir::homePath());
    if (QDir(dir) == QDir::home())
        return {};
    return dir;
}

} // namespace

DesktopPlaces currentDesktopPlaces() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            templatesFolder(), QCoreApplication::applicationFilePath()};
}

QString desktopExecLine(const QString& programPath) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    QString program = programPath;
    if (!plain.match(program).hasMatch()) {
        // Quoting rules of the desktop entry format, then the string escape of the file.
        program.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        for (const QChar c : {QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
            program.replace(c, QStringLiteral("\\") + c);
        program = QLatin1Char('"') + program + QLatin1Char('"');
        program.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    }
    program.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return program + QStringLiteral(" %f");
}

QStringList registerDesktopIntegration(const DesktopPlaces& places) {
    QStringList written;
    if (places.dataHome.isEmpty())
        return written;
    const QString data = places.dataHome;
    writeIfChanged(data + QStringLiteral("/mime/packages/tonalink.xml"), mimePackage(), written);
    writeIfChanged(data + QStringLiteral("/applications/tonalink.desktop"),
                   desktopEntry(places.programPath), written);
    for (int size : kIconSizes) {
        const QByteArray icon = resourceBytes(QStringLiteral(":/icons/tonalink-%1.png").arg(size));
        if (!icon.isEmpty())
            writeIfChanged(data +
                               QStringLiteral("/icons/hicolor/%1x%1/apps/tonalink.png").arg(size),
                           icon, written);
    }
    // The file manager's "new document" entry: an empty shortcut, as the shell made it.
    if (!places.templatesDir.isEmpty() && QDir(places.templatesDir).exists()) {
        const QString templ = places.templatesDir + QStringLiteral("/Tonalink Document.tks");
        if (!QFileInfo::exists(templ))
            writeIfChanged(templ, QByteArray(), written);
    }
    return written;
}

void startDesktopRegistration(const DesktopPlaces& places) {
    QThreadPool::globalInstance()->start([places] {
        if (!registerDesktopIntegration(places).isEmpty())
            refreshDatabases(places.dataHome);
    });
}

} // namespace tonalink
