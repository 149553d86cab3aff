// The form's side of shortcut documents: making one from the form, loading one
// to send, and putting an opened one into the form.
#include "core/app/callee_rules.h"
#include "core/app/program_state.h"
#include "core/app/shortcut_document.h"
#include "ui/form/tonalink_doc.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

namespace tonalink {

void CTonalinkView::OnCreateShortcut() {
    CTonalinkDoc* document = GetDocument();
    if (!document) {
        return;
    }
    if (m_c.count->text() == QLatin1String("error")) {
        messageBox(tr("ｴﾗｰ時はｼｮｰﾄｶｯﾄを作成出来ません。"), MsgIcon::Stop);
        return;
    }
    const std::string& entryName = m_state.phoneBook.PbEntryName;
    if (entryName.empty()) {
        messageBox(tr("電話帳に登録されていないとｼｮｰﾄｶｯﾄを作成出来ません。"), MsgIcon::Stop);
        return;
    }
    CollectFormFields();
    ShortcutDocument& shortcut = document->shortcut;
    shortcut.entryName = entryName;
    const CurrentSend& send = m_state.currentSend;
    if (send.CallNumber.empty()) {
        messageBox(tr("呼出番号が未入力です"), MsgIcon::Stop);
        return;
    }
    if (send.MessageText.empty()) {
        messageBox(tr("ﾒｯｾｰｼﾞが未入力です"), MsgIcon::Stop);
        return;
    }
    shortcut.message = send.MessageText;
    const ShortcutModes modes = shortcutModesFromMessageMode(send.MessageMode);
    shortcut.modeA = modes.modeA;
    shortcut.modeB = modes.modeB;
    m_commands.post(cmd::kFileSaveAs);
}

void CTonalinkView::OnLoadShortcutAndSend() {
    if (CTonalinkDoc* document = GetDocument()) {
        ShortcutDocument& shortcut = document->shortcut;
        shortcut.entryName.clear();
        shortcut.message.clear();
        shortcut.modeA = 0;
        shortcut.modeB = 0;
    }
    m_commands.post(cmd::kFileNew);
    m_commands.post(cmd::kFileOpen);
}

void CTonalinkView::ApplyShortcut() {
    CTonalinkDoc* document = GetDocument();
    PhoneBook& phoneBook = m_state.phoneBook;
    if (!document || document->shortcut.entryName.empty()) {
        phoneBook.PbEntryName.clear();
        return;
    }
    const ShortcutDocument& shortcut = document->shortcut;
    if (!phoneBook.LocatePhoneBook()) {
        messageBox(tr("電話帳情報ファイルがありません"), MsgIcon::Stop);
        return;
    }
    ApplyPhoneBookEntry(shortcut.entryName);
    SetMessageText(shortcut.message);
    SetCalleeCaption(QStringLiteral("to %1").arg(fromCp932(shortcut.entryName)));
    // Only now: filling the call number releases the entry shown before.
    phoneBook.PbEntryName = shortcut.entryName;
    SelectMessageMode(messageModeFromShortcutModes(shortcut.modeA, shortcut.modeB));
    MakeShortcutSendPending();
}

} // namespace tonalink
