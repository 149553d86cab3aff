#include "changed_file_question.h"

#include "ui/widgets/message_box_service.h"

#include <QCoreApplication>

namespace tonalink {

ChangedFileChoice askAboutChangedFile(const QString& path) {
    const QString text =
        QCoreApplication::translate("ChangedFileQuestion",
                                    "%1 は、読み込んだ後にほかで変更されています。\n\n"
                                    "はい: ファイルを読み直す (ここでの変更は捨てます)\n"
                                    "いいえ: ここでの内容で上書きする\n"
                                    "キャンセル: まだ保存しない")
            .arg(path);
    switch (messageBox(text, MsgIcon::Exclamation, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        return ChangedFileChoice::Reload;
    case MsgAnswer::No:
        return ChangedFileChoice::Overwrite;
    default:
        return ChangedFileChoice::Cancel;
    }
}

} // namespace tonalink
