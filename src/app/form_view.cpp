#include "app/form_view.h"

#include "app/main_frame.h"

namespace tonalink {

CFormView::CFormView(QWidget* parent) : QWidget(parent) {}

void CFormView::OnInitialUpdate() {
    ResizeParentToFit();
}

CMainFrame* CFormView::GetParentFrame() const {
    return qobject_cast<CMainFrame*>(window());
}

void CFormView::ResizeParentToFit() {
    if (CMainFrame* frame = GetParentFrame())
        frame->ResizeToFitForm();
}

} // namespace tonalink
