// The broadcast: the current message to every member of one group, one call
// after another.
#include "core/app/broadcast_groups.h"
#include "core/app/program_state.h"
#include "core/modem/line_sink.h"
#include "platform/serial_port.h"
#include "ui/dialogs/broadcast_dlg.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

namespace tonalink {

void CTonalinkView::OnBroadcast() {
    if (m_c.message->toPlainText().isEmpty()) {
        messageBox(QStringLiteral("ﾒｯｾｰｼﾞを入力してください。"));
        return;
    }
    // Text CP932 cannot hold cannot go out to anyone.
    const bool collected = CollectFormFields() == 0;
    PhoneBook& phoneBook = m_state.phoneBook;
    if (phoneBook.ListPhoneBook() != 0) {
        messageBox(QStringLiteral("電話帳情報ファイルがありません"), MsgIcon::Stop);
    }
    CBroadcastDlg chooser(m_state.settings.Groups, countGroupMembers(phoneBook), window());
    if (chooser.exec() != QDialog::Accepted || !collected) {
        messageBox(QStringLiteral("送信をキャンセルしました。"), MsgIcon::Stop);
        return;
    }
    // One refusal for the whole group, not one per member.
    if (!m_line.isOpen()) {
        messageBox(SerialPort::kOpenFailedText, MsgIcon::Exclamation);
        messageBox(QStringLiteral("送信をキャンセルしました。"), MsgIcon::Stop);
        return;
    }
    const std::vector<std::string> members = groupMembers(phoneBook, chooser.selectedGroup() + 1);
    for (const std::string& name : members) {
        ApplyPhoneBookEntry(name);
        phoneBook.PbEntryName = name;
        CollectFormFields();
        // The job logs every member's outcome; a cancelled one does not stop the rest.
        runCallDialog(true, SendJob::Kind::BroadcastMember);
    }
    if (!members.empty()) {
        holdPhoneBookEntry(members.back());
    }
    messageBox(QStringLiteral("送信を終了しました。"), MsgIcon::Information);
}

} // namespace tonalink
