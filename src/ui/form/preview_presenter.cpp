#include "ui/form/preview_presenter.h"

#include "ui/form/form_controls.h"
#include "ui/widgets/qt_text.h"

namespace tonalink {
namespace {

void apply(QWidget* button, ButtonChange change) {
    if (change != ButtonChange::Unchanged) {
        button->setEnabled(change == ButtonChange::Enable);
    }
}

} // namespace

void showPreview(const FormControls& form, const Preview& preview) {
    form.count->setText(QString::fromStdString(preview.CountText));
    const QString codes = fromCp932(preview.CodePreview);
    // Re-laying out the same codes on every keystroke would only cost time.
    if (form.codePreview->toPlainText() != codes) {
        form.codePreview->setPlainText(codes);
    }
    apply(form.send, preview.Send);
    apply(form.reserve, preview.Reserve);
    apply(form.broadcast, preview.Broadcast);
    apply(form.view, preview.View);
}

Preview unsendablePreview() {
    Preview preview;
    preview.CountText = "error";
    preview.Send = preview.Reserve = preview.Broadcast = preview.View = ButtonChange::Disable;
    return preview;
}

} // namespace tonalink
