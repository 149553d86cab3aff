#include "open_editor.h"

#include "core/app/settings_model.h"
#include "pb_edit_dlg.h"
#include "platform/qt_settings_store.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"

#include <QApplication>

namespace tonalink {

void runPbEdit(const std::string& dir) {
    QtSettingsStore store;
    Settings settings;
    loadSettings(store, settings);
    QtFileDialogService files;
    ProfileError error = ProfileError::None;
    auto dialog = CPbEditDlg::open(dir, settings.Groups, files, &error);
    if (!dialog) {
        messageBox(QStringLiteral("maddress.dat を読めません。"), MsgIcon::Stop);
        return;
    }
    dialog->setParent(QApplication::activeWindow(), Qt::Dialog);
    dialog->exec();
}

} // namespace tonalink
