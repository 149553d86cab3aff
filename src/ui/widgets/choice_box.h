#pragma once

#include <QComboBox>

namespace tonalink {

// A drop-down box that also tells when its list was closed without a choice
// (Esc or a click elsewhere), which QComboBox does not signal.
class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent = nullptr);

    void hidePopup() override;

signals:
    void selectionCancelled();

private:
    bool m_chosen = false;
};

} // namespace tonalink
