// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, each in the language of the run.

#include "core/app/modem_settings.h"
#include "core/app/program_state.h"
#include "core/app/settings_store.h"
#include "core/modem/line_sink.h"
#include "layout_check.h"
#include "platform/qt_timer_host.h"
#include "platform/ui_language.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/broadcast_dlg.h"
#include "ui/dialogs/call_dlg.h"
#include "ui/dialogs/caution_dlg.h"
#include "ui/dialogs/command_view_dlg.h"
#include "ui/dialogs/modem_dlg.h"
#include "ui/dialogs/msg_list_dlg.h"
#include "ui/dialogs/op_property_sheet.h"
#include "ui/dialogs/phone_book_dlg.h"
#include "ui/dialogs/reserve_dlg.h"
#include "ui/dialogs/reserve_wait_dlg.h"
#include "ui/form/tonalink_view.h"
#include "ui/shell/main_frame.h"
#include "ui/widgets/command_dispatcher.h"

#include <QMenuBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tonalink::layout {
namespace {

class OpenLine final : public LineSink {
public:
    bool isOpen() const override { return true; }
    bool writeLine(const std::string&) override { return true; }
};

const std::array<std::string, 8> kDevices = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2",
                                             "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5",
                                             "/dev/ttyS6", "/dev/ttyS7"};

CommandDispatcher& dispatcher() {
    static CommandDispatcher commands;
    return commands;
}

OpenLine& line() {
    static OpenLine open;
    return open;
}

const Window kWindows[] = {
    {"MainForm",
     [](ProgramState& state) -> std::unique_ptr<QWidget> {
         static MemorySettingsStore store;
         auto frame = std::make_unique<CMainFrame>(dispatcher(), store);
         frame->OnCreate();
         auto* view = new CTonalinkView(state, line(), dispatcher(), qtTimerHostFactory());
         frame->setForm(view);
         view->OnInitialUpdate();
         for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>())
             emit menu->aboutToShow();
         return frame;
     }},
    {"About", [](ProgramState&) { return std::make_unique<CAboutDlg>(); }},
    {"Broadcast",
     [](ProgramState& state) {
         return std::make_unique<CBroadcastDlg>(state.settings.Groups,
                                                std::array<int32_t, 4>{3, 0, 12, 1});
     }},
    {"Call",
     [](ProgramState& state) {
         return std::make_unique<CCallDlg>(state, line(), qtTimerHostFactory());
     }},
    {"Caution", [](ProgramState&) { return std::make_unique<CCautionDlg>(); }},
    {"CommandView",
     [](ProgramState&) { return std::make_unique<CCommandViewDlg>(MessageParts{}); }},
    {"Modem",
     [](ProgramState& state) { return std::make_unique<CModemDlg>(modemValues(state), kDevices); }},
    {"MessageList",
     [](ProgramState& state) { return std::make_unique<CMsgListDlg>(state.settings.UserMsgList); }},
    {"Options",
     [](ProgramState& state) {
         static NoFileDialogs files;
         return std::make_unique<COpPropertySheet>(state.settings, files);
     }},
    {"PhoneBook",
     [](ProgramState& state) { return std::make_unique<CPhoneBookDlg>(state.phoneBook); }},
    {"Reserve", [](ProgramState&) { return std::make_unique<CReserveDlg>(ReserveChoice{}); }},
    {"ReserveWait",
     [](ProgramState& state) {
         return std::make_unique<CReserveWaitDlg>(ReserveTime{23, 59}, state.localTime,
                                                  qtTimerHostFactory());
     }},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout, testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tonalink::layout

int main(int argc, char** argv) {
    return tonalink::layout::runLayoutTests(argc, argv, {"tonalink"});
}
