#pragma once

#include <QDialog>

class QCheckBox;

namespace tonalink {

// The caution before a reserved send (template 133): a busy centre loses the
// message without notice.
class CCautionDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDontShowAgain = 170;

    explicit CCautionDlg(QWidget* parent = nullptr);

    // Read after OK: the caution is not to be shown again.
    bool dontShowAgain() const;

private:
    QCheckBox* m_dontShowAgain = nullptr;
};

} // namespace tonalink
