#include "ui/form/form_view.h"

#include "ui/widgets/frame_wnd.h"

namespace tonalink {

CFormView::CFormView(QWidget* parent) : QWidget(parent) {}

void CFormView::OnInitialUpdate() {
    ResizeParentToFit();
}

CFrameWnd* CFormView::GetParentFrame() const {
    return qobject_cast<CFrameWnd*>(window());
}

void CFormView::ResizeParentToFit() {
    if (CFrameWnd* frame = GetParentFrame())
        frame->ResizeToFitForm();
}

} // namespace tonalink
