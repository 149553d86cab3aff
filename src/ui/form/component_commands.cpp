// The phone-book and pager-type editors: outside components the form hands
// control to, and what it reloads after them.
#include "core/app/program_state.h"
#include "platform/extension_component.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/component_call.h"
#include "ui/widgets/message_box_service.h"

namespace tonalink {

void CTonalinkView::OnPhoneBookSettings() {
    // The phone book is read again whenever it is next used: nothing to reload.
    if (m_state.settings.PbEditExe == 1) {
        if (!startComponentProgram(QStringLiteral("pbedit"))) {
            messageBox(tr("PBEDIT.EXE が見つかりませんでした。"), MsgIcon::Exclamation);
        }
        return;
    }
    callComponent("libPBEDIT.so", "PbEditOpenMain", tr("PBEDIT.DLL が見つかりませんでした。"));
}

void CTonalinkView::OnPagerTypeSettings() {
    if (!callComponent("libtypeedit.so", "TypeEditOpenMain",
                       tr("Typeedit.Dllが見つかりません。"))) {
        return;
    }
    // The type the form held may have changed or gone.
    m_state.pagerTypes.ClearPagerType();
    RefreshFormLists(true);
    // Emptied through the Clear button's path, so an applied entry is released too.
    OnClearCallee();
    m_c.calleeCaption->clear();
    UpdatePreview();
}

} // namespace tonalink
