#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace tonalink {

struct MessageParts;

// The command view (template 142): the encoder's parts of the current message, one
// a line, and a button that copies them all.
class CCommandViewDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCommands = 281;
    static constexpr int kCopyAll = 244;
    static constexpr int kClose = 1;

    explicit CCommandViewDlg(const MessageParts& parts, QWidget* parent = nullptr);

    // Parts 0 to LastPart, each followed by CR LF.
    const QString& commandText() const { return m_commandText; }

private:
    void OnCopyAll();

    QPlainTextEdit* m_commands = nullptr;
    QString m_commandText;
};

} // namespace tonalink
