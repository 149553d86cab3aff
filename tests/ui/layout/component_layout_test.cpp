// SPDX-License-Identifier: GPL-3.0-or-later
// The components' windows, each in the language of the run.

#include "layout_check.h"
#include "pb_edit_dlg.h"
#include "send_log_view_dlg.h"
#include "type_edit_dlg.h"

#include <fstream>

namespace tonalink::layout {
namespace {

const Window kWindows[] = {
    {"PhoneBookEditor",
     [](ProgramState& state) -> std::unique_ptr<QWidget> {
         static NoFileDialogs files;
         return CPbEditDlg::open(TONALINK_SAMPLE_DATA_DIR, state.settings.Groups, files, nullptr);
     }},
    {"PagerTypeEditor",
     [](ProgramState&) {
         return std::make_unique<CTypeEditDlg>(
             *TypeEditDocument::open(TONALINK_SAMPLE_DATA_DIR, nullptr));
     }},
    {"SendLogViewer",
     [](ProgramState& state) {
         std::ofstream(state.sendLog.logPath()) << "";
         return std::make_unique<CSendLogViewDlg>(QString::fromStdString(state.sendLog.logPath()));
     }},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayout, testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tonalink::layout

int main(int argc, char** argv) {
    return tonalink::layout::runLayoutTests(argc, argv, {"tonalink", "components"});
}
