// The form's side of the registered messages: adding the current message, and
// putting a chosen one into the message field.
#include "core/app/message_list.h"
#include "core/app/program_state.h"
#include "ui/dialogs/msg_list_dlg.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QTextCursor>

namespace tonalink {

void CTonalinkView::OnAddToMessageList() {
    const bool collected = CollectFormFields() == 0;
    switch (checkRegistration(m_state, !m_c.message->toPlainText().isEmpty(), collected)) {
    case Registration::ListFull:
        messageBox(tr("リストへの登録は、最大20個です。"), MsgIcon::Stop);
        return;
    case Registration::NoText:
        messageBox(tr("ﾒｯｾｰｼﾞ欄に、文字列がありません。"), MsgIcon::Stop);
        return;
    case Registration::Unencodable:
        messageBox(tr("errorの時は登録できません。"), MsgIcon::Stop);
        return;
    case Registration::None:
        break;
    }
    if (messageBox(tr("現在のメッセージ欄の\nメッセージを登録しますか？"), MsgIcon::Question,
                   MsgButtons::YesNo) == MsgAnswer::Yes) {
        m_state.settings.UserMsgList.push_back(m_state.currentSend.MessageText);
        messageBox(tr("登録されました。"), MsgIcon::Information);
    } else {
        messageBox(tr("登録はキャンセルされました。"), MsgIcon::Information);
    }
    m_c.message->setFocus();
}

void CTonalinkView::OnInsertFromMessageList() {
    putRegisteredMessage(false);
}

void CTonalinkView::OnReplaceWithMessageList() {
    putRegisteredMessage(true);
}

void CTonalinkView::putRegisteredMessage(bool wholeMessage) {
    CMsgListDlg dialog(m_state.settings.UserMsgList, window());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (chosen && dialog.chosenMessage().empty()) {
        return;
    }
    if (chosen) {
        // One edit through the cursor, so one undo takes it back.
        QTextCursor cursor = m_c.message->textCursor();
        if (wholeMessage) {
            cursor.select(QTextCursor::Document);
        }
        cursor.insertText(withLf(fromCp932(dialog.chosenMessage())));
        m_c.message->setTextCursor(cursor);
        m_c.message->ensureCursorVisible();
    }
    m_c.message->setFocus();
    UpdatePreview();
}

} // namespace tonalink
