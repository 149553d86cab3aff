#include "ui/dialogs/command_view_dlg.h"

#include "core/encoder/message_parts.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace tonalink {
namespace {

QString partLines(const MessageParts& parts) {
    // LastPart names the last element; never read past the list, whatever it says.
    const auto count = std::min<std::size_t>(
        parts.MsgParts.size(), static_cast<std::size_t>(std::max(parts.LastPart, 0)) + 1);
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += parts.MsgParts[i] + "\r\n";
    }
    return fromCp932(text);
}

} // namespace

CCommandViewDlg::CCommandViewDlg(const MessageParts& parts, QWidget* parent)
    : QDialog(parent), m_commandText(partLines(parts)) {
    setWindowTitle(QStringLiteral("CommandView"));
    const QFont font = dialogFont(10);
    setFont(font);
    const DialogUnits du(font);
    resize(du.size(179, 109));

    du.place(new QLabel(tr("ﾒｯｾｰｼﾞｺﾏﾝﾄﾞ"), this), 7, 5, 100, 10);
    m_commands = new QPlainTextEdit(this);
    setControlId(m_commands, kCommands);
    m_commands->setReadOnly(true);
    // Long parts scroll sideways with the caret instead of wrapping.
    m_commands->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_commands->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_commands->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_commands->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_commands->setPlainText(withLf(m_commandText));
    du.place(m_commands, 7, 16, 165, 64);

    auto* copyAll = new QPushButton(tr("全てをｸﾘｯﾌﾟﾎﾞｰﾄﾞへ"), this);
    setControlId(copyAll, kCopyAll);
    copyAll->setAutoDefault(false);
    du.place(copyAll, 7, 88, 90, 14);
    auto* close = new QPushButton(tr("閉じる"), this);
    setControlId(close, kClose);
    close->setDefault(true);
    du.place(close, 122, 88, 50, 14);

    connect(copyAll, &QPushButton::clicked, this, [this] { OnCopyAll(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CCommandViewDlg::OnCopyAll() {
    m_commands->selectAll();
    // The edit shows line feeds; the clipboard gets the lines as built, CR LF.
    QGuiApplication::clipboard()->setText(m_commandText);
}

} // namespace tonalink
