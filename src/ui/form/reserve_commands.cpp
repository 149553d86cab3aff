// The reserved send: the current message to the current callee at a chosen hour
// and minute, waited for with the main window minimised.
#include "core/app/program_state.h"
#include "core/app/reserve_time.h"
#include "ui/dialogs/caution_dlg.h"
#include "ui/dialogs/reserve_dlg.h"
#include "ui/dialogs/reserve_wait_dlg.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/message_box_service.h"

namespace tonalink {

void CTonalinkView::OnReserve() {
    // The callee and message are taken now, before any window opens.
    const bool collected = CollectFormFields() == 0;
    if (m_c.message->toPlainText().isEmpty()) {
        messageBox(tr("ﾒｯｾｰｼﾞを入力してください。"));
        return;
    }
    // Text CP932 cannot hold would only fail at the set time.
    if (!collected) {
        messageBox(tr("送信をキャンセルしました。"), MsgIcon::Stop);
        return;
    }
    Settings& settings = m_state.settings;
    ReserveChoice initial{settings.AppEnd == 1, settings.Hour, settings.Minuth,
                          settings.SaveTime == 1};
    if (settings.SaveTime != 1) {
        const ReserveTime now = ReserveTime::of(m_state.localTime());
        initial.hour = now.hour;
        initial.minute = now.minute;
    }
    CReserveDlg setup(initial, window());
    if (setup.exec() != QDialog::Accepted) {
        return;
    }
    const ReserveChoice& chosen = setup.choice();
    settings.AppEnd = chosen.exitAfterSending ? 1 : 0;
    settings.Hour = chosen.hour;
    settings.Minuth = chosen.minute;
    settings.SaveTime = chosen.keepTime ? 1 : 0;
    if (settings.DispMessage == 0) {
        CCautionDlg caution(window());
        if (caution.exec() == QDialog::Accepted) {
            settings.DispMessage = caution.dontShowAgain() ? 1 : 0;
        }
    }

    QWidget* mainWindow = window();
    mainWindow->showMinimized();
    // Its own top-level window: a dialog owned by a minimised window is hidden with it.
    CReserveWaitDlg wait({settings.Hour, settings.Minuth}, m_state.localTime, m_makeTimers);
    if (wait.exec() != QDialog::Accepted) {
        return;
    }
    if (runCallDialog(true, SendJob::Kind::Single).outcome != SendOutcome::Sent) {
        messageBox(tr("送信をキャンセルしました。"), MsgIcon::Stop);
        mainWindow->showNormal();
        return;
    }
    if (settings.AppEnd == 1) {
        m_commands.post(cmd::kAppExit);
        return;
    }
    mainWindow->showNormal();
    messageBox(tr("送信処理を終了しました。"), MsgIcon::Information);
}

} // namespace tonalink
