#include "open_editor.h"

#include "core/app/settings_model.h"
#include "pb_edit_dlg.h"
#include "platform/qt_settings_store.h"
#include "platform/single_instance_guard.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace tonalink {

QString pbEditInstanceName(const std::string& dir) {
    const QDir folder(QString::fromStdString(dir.empty() ? "." : dir));
    const QString path =
        folder.canonicalPath().isEmpty() ? folder.absolutePath() : folder.canonicalPath();
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(path), QCryptographicHash::Sha256);
    return QStringLiteral("pbedit-") + QString::fromLatin1(hash.toHex().left(16));
}

void runPbEdit(const std::string& dir) {
    SingleInstanceGuard guard(pbEditInstanceName(dir));
    if (!guard.acquire()) {
        if (!guard.notifyRunningInstance())
            messageBox(QCoreApplication::translate(
                           "OpenEditor", "この電話帳は別の「電話帳の設定」で開いています。"),
                       MsgIcon::Exclamation);
        return;
    }
    QtSettingsStore store;
    Settings settings;
    loadSettings(store, settings);
    QtFileDialogService files;
    ProfileError error = ProfileError::None;
    auto dialog = CPbEditDlg::open(dir, settings.Groups, files, &error);
    if (!dialog) {
        messageBox(QCoreApplication::translate("OpenEditor", "maddress.dat を読めません。"),
                   MsgIcon::Stop);
        return;
    }
    dialog->setParent(QApplication::activeWindow(), Qt::Dialog);
    QObject::connect(&guard, &SingleInstanceGuard::activationRequested, dialog.get(),
                     [window = dialog.get()] {
                         window->showNormal();
                         window->raise();
                         window->activateWindow();
                     });
    dialog->exec();
}

} // namespace tonalink
