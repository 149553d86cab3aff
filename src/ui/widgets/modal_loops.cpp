#include "ui/widgets/modal_loops.h"

#include "ui/widgets/message_box_service.h"

#include <QApplication>
#include <QDialog>

namespace tonalink {

void endModalLoops() {
    dismissMessageBoxes(true);
    // Innermost first; a window that refuses to close ends the walk rather than
    // looping on it.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}

bool modalLoopsEnded() {
    return messageBoxesDismissed();
}

} // namespace tonalink
