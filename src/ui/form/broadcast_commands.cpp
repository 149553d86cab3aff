// The broadcast: the current message to every member of one group, one call
// after another.
#include "core/app/broadcast_groups.h"
#include "core/app/program_state.h"
#include "core/modem/line_sink.h"
#include "platform/serial_port.h"
#include "ui/dialogs/broadcast_dlg.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/modal_loops.h"
#include "ui/widgets/qt_text.h"

#include <QCoreApplication>

namespace tonalink {
namespace {

QString notSentReason(const SendResult& result) {
    switch (memberOutcome(result)) {
    case MemberOutcome::Sent:
        break;
    case MemberOutcome::Cancelled:
        return QCoreApplication::translate("CTonalinkView", "送信をキャンセルしました");
    case MemberOutcome::NotEncodable:
        return QCoreApplication::translate("CTonalinkView",
                                           "この呼出機種ではメッセージを変換できません");
    case MemberOutcome::NotStarted:
        return QCoreApplication::translate("CTonalinkView", "呼出を開始できませんでした");
    case MemberOutcome::LineFailed:
        return result.lineReason.empty()
                   ? QCoreApplication::translate("CTonalinkView",
                                                 "回線エラーのため送信を中止しました")
                   : QCoreApplication::translate("CTonalinkView",
                                                 "回線エラーのため送信を中止しました (%1)")
                         .arg(fromCp932(result.lineReason));
    }
    return {};
}

QString notSentReport(const std::vector<std::pair<std::string, SendResult>>& members) {
    QString text = QCoreApplication::translate("CTonalinkView", "送信できなかった相手があります。");
    for (const auto& [name, result] : members) {
        text += QStringLiteral("\n%1 : %2").arg(fromCp932(name), notSentReason(result));
    }
    return text;
}

} // namespace

void CTonalinkView::OnBroadcast() {
    if (m_c.message->toPlainText().isEmpty()) {
        messageBox(tr("ﾒｯｾｰｼﾞを入力してください。"));
        return;
    }
    // Text CP932 cannot hold cannot go out to anyone.
    const bool collected = CollectFormFields() == 0;
    PhoneBook& phoneBook = m_state.phoneBook;
    if (phoneBook.ListPhoneBook() != 0) {
        messageBox(tr("電話帳情報ファイルがありません"), MsgIcon::Stop);
    }
    CBroadcastDlg chooser(m_state.settings.Groups, countGroupMembers(phoneBook), window());
    if (chooser.exec() != QDialog::Accepted || !collected) {
        messageBox(tr("送信をキャンセルしました。"), MsgIcon::Stop);
        return;
    }
    // One refusal for the whole group, not one per member.
    if (!m_line.isOpen()) {
        messageBox(SerialPort::openFailedText(), MsgIcon::Exclamation);
        messageBox(tr("送信をキャンセルしました。"), MsgIcon::Stop);
        return;
    }
    const std::vector<std::string> members = groupMembers(phoneBook, chooser.selectedGroup() + 1);
    std::vector<std::pair<std::string, SendResult>> notSent;
    for (const std::string& name : members) {
        // The program is ending: the call under way was the last.
        if (modalLoopsEnded()) {
            break;
        }
        ApplyPhoneBookEntry(name);
        phoneBook.PbEntryName = name;
        CollectFormFields();
        // The job logs every member's outcome; a cancelled one does not stop the rest.
        const SendResult result = runCallDialog(true, SendJob::Kind::BroadcastMember);
        if (result.outcome != SendOutcome::Sent) {
            notSent.emplace_back(name, result);
        }
    }
    if (!members.empty()) {
        holdPhoneBookEntry(members.back());
    }
    messageBox(tr("送信を終了しました。"), MsgIcon::Information);
    // Finished is not the same as paged: who was not, and why.
    if (!notSent.empty()) {
        messageBox(notSentReport(notSent), MsgIcon::Exclamation);
    }
}

} // namespace tonalink
