// The extension library's one entry point, called by the program's "拡張機能".

#include "send_log_view_dlg.h"
#include "widget_host.h"

#include <QApplication>
#include <QDir>

extern "C" __attribute__((visibility("default"))) void PlusMenu_Open() {
    tonalink::runWithWidgetApplication("XtPlus", [] {
        tonalink::CSendLogViewDlg dialog(
            QDir::current().absoluteFilePath(QStringLiteral("bell.log")),
            QApplication::activeWindow());
        dialog.exec();
    });
}
