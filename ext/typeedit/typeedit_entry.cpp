// The component's one entry point, which the program looks up by name.

#include "type_edit_dlg.h"
#include "ui/widgets/message_box_service.h"
#include "widget_host.h"

#include <QApplication>

extern "C" __attribute__((visibility("default"))) void TypeEditOpenMain() {
    tonalink::runWithWidgetApplication("typeedit", [] {
        tonalink::ProfileError error = tonalink::ProfileError::None;
        auto document = tonalink::TypeEditDocument::open({}, &error);
        if (!document) {
            tonalink::messageBox(tonalink::CTypeEditDlg::tr("call.dat を読めません。"),
                                 tonalink::MsgIcon::Stop);
            return;
        }
        tonalink::CTypeEditDlg dialog(std::move(*document), QApplication::activeWindow());
        dialog.exec();
    });
}
