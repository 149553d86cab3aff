#include "ui/widgets/typing_limit.h"

#include <QLineEdit>
#include <algorithm>
#include <memory>

namespace tonalink {

void limitTyping(QLineEdit* edit, int maxLength) {
    // QLineEdit's own maximum would also cut the text the program sets.
    auto lengthBefore = std::make_shared<qsizetype>(edit->text().size());
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [lengthBefore](const QString& text) { *lengthBefore = text.size(); });
    // A user's edit is announced before the change itself, so the length before it
    // is still known here.
    QObject::connect(
        edit, &QLineEdit::textEdited, edit, [edit, maxLength, lengthBefore](const QString& text) {
            const qsizetype excess = text.size() - std::max<qsizetype>(maxLength, *lengthBefore);
            if (excess <= 0)
                return;
            // The edit that brought the excess is still under way: take back what was
            // just put in before the caret once it is done.
            QMetaObject::invokeMethod(
                edit,
                [edit, excess] {
                    const int caret = edit->cursorPosition();
                    const int start =
                        caret >= excess ? caret - int(excess) : edit->text().size() - int(excess);
                    edit->setSelection(start, int(excess));
                    edit->del();
                },
                Qt::QueuedConnection);
        });
}

} // namespace tonalink
