#include "ui/widgets/int_edit.h"

#include "core/app/integer_field.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box_service.h"

#include <QLineEdit>
#include <QSpinBox>
#include <limits>
#include <optional>

namespace tonalink {
namespace {

// A spin box that keeps what the user typed when it is no number (an emptied box,
// a lone sign) instead of putting the last value back as the focus leaves, so that
// reading it can refuse it.
class IntEdit final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override {
        const QValidator::State state = QSpinBox::validate(text, pos);
        return state == QValidator::Intermediate ? QValidator::Acceptable : state;
    }
    int valueFromText(const QString& text) const override {
        QString copy = text;
        int pos = 0;
        m_unread = QSpinBox::validate(copy, pos) == QValidator::Acceptable
                       ? std::nullopt
                       : std::optional<QString>(text);
        return m_unread ? value() : QSpinBox::valueFromText(text);
    }
    QString textFromValue(int value) const override {
        return m_unread.value_or(QSpinBox::textFromValue(value));
    }
    void stepBy(int steps) override {
        m_unread.reset();
        QSpinBox::stepBy(steps);
    }

private:
    mutable std::optional<QString> m_unread; // the text as typed, when it is no number
};

void refuse(QSpinBox* edit, const QString& text) {
    messageBox(text, MsgIcon::Exclamation);
    edit->setFocus();
    edit->selectAll();
}

} // namespace

QSpinBox* makeIntEdit(QWidget* parent, int id) {
    auto* edit = new IntEdit(parent);
    setControlId(edit, id);
    edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
