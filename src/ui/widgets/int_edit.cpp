#include "ui/widgets/int_edit.h"

#include "core/app/integer_field.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"

#include <QLineEdit>
#include <QSpinBox>
#include <limits>

namespace tonalink {
namespace {

void refuse(QSpinBox* edit, const QString& text) {
    messageBox(text, MsgIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
}

} // namespace

QSpinBox* makeIntEdit(QWidget* parent, int id) {
    auto* edit = new QSpinBox(parent);
    setControlId(edit, id);
    edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    // An emptied or half-typed box stays as typed until it is read.
    edit->setKeyboardTracking(true);
    return edit;
}

std::optional<int> readIntEdit(QSpinBox* edit, int min, int max) {
    const IntegerField field = parseIntegerField(edit->cleanText().toStdString(), {min, max});
    switch (field.error) {
    case IntegerFieldError::None:
        return field.value;
    case IntegerFieldError::NotAnInteger:
        refuse(edit, QStringLiteral("Please enter an integer."));
        break;
    case IntegerFieldError::OutOfRange:
        refuse(edit,
               QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max));
        break;
    }
    return std::nullopt;
}

} // namespace tonalink
