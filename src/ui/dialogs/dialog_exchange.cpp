#include "ui/dialogs/dialog_exchange.h"

#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace tonalink {

QString unusableCharacterText() {
    return QCoreApplication::translate("DialogExchange", "使用できない文字が含まれています。");
}
std::optional<std::string> takeText(QLineEdit* edit, bool exactly) {
    std::optional<std::string> bytes =
        exactly ? toCp932Exactly(edit->text()) : toCp932(edit->text());
    if (!bytes) {
        messageBox(unusableCharacterText(), MsgIcon::Exclamation);
        edit->setFocus();
        edit->selectAll();
    }
    return bytes;
}

void setCheck(QCheckBox* box, int32_t value) {
    box->setChecked(value == 1);
}

int32_t check(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace tonalink
