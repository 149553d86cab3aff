// The custom command buttons and the command view of the current parts.
#include "core/app/program_state.h"
#include "ui/dialogs/command_view_dlg.h"
#include "ui/form/tonalink_view.h"

#include <QTextCursor>

namespace tonalink {

void CTonalinkView::OnCustomCommand(int n) {
    // Appended through a cursor at the end, so one undo takes the marker back.
    QTextCursor end(m_c.message->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("<%1>").arg(n));
    focusMessageEnd();
    UpdatePreview();
}

void CTonalinkView::OnCommandView() {
    CCommandViewDlg dialog(m_state.encoder, window());
    dialog.exec();
    focusMessageEnd();
}

void CTonalinkView::focusMessageEnd() {
    m_c.message->setFocus();
    m_c.message->moveCursor(QTextCursor::End);
    m_c.message->ensureCursorVisible();
}

} // namespace tonalink
