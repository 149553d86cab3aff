#include "ui/form/form_context_menu.h"

#include "ui/widgets/command_ids.h"

#include <QCoreApplication>
#include <QMenu>

namespace tonalink {

void trackFormContextMenu(QWidget* owner, QPoint at, const std::function<void(int id)>& onCommand) {
    QMenu menu(owner);
    const auto add = [&menu](const QString& text, int id) { menu.addAction(text)->setData(id); };
    add(QCoreApplication::translate("FormContextMenu", "ｼｮｰﾄｶｯﾄ作成"), cmd::kCreateShortcut);
    add(QCoreApplication::translate("FormContextMenu", "ｼｮｰﾄｶｯﾄ読込・発信"),
        cmd::kLoadShortcutAndSend);
    menu.addSeparator();
    add(QCoreApplication::translate("FormContextMenu", "ﾒｯｾｰｼﾞ貼り付け"), cmd::kEditPaste);
    if (QAction* chosen = menu.exec(at)) {
        onCommand(chosen->data().toInt());
    }
}

} // namespace tonalink
