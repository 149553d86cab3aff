#include "ui/widgets/choice_box.h"

#include <QAbstractItemView>
#include <QTimer>

namespace tonalink {

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] { m_chosen = true; });
}

void ChoiceBox::hidePopup() {
    const bool wasVisible = view() && view()->isVisible();
    m_chosen = false;
    QComboBox::hidePopup();
    if (!wasVisible) {
        return;
    }
    // A choice is announced only after the list has closed; look once the event
    // that closed it has been handled.
    QTimer::singleShot(0, this, [this] {
        if (!m_chosen) {
            emit selectionCancelled();
        }
    });
}

} // namespace tonalink
