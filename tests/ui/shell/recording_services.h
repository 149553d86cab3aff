#pragma once

#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"

#include <QString>
#include <deque>
#include <ostream>
#include <vector>

namespace tonalink::apptest {

struct ShownBox {
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    QString caption;
    bool operator==(const ShownBox&) const = default;
};

inline void PrintTo(const ShownBox& b, std::ostream* os) {
    *os << "{\"" << b.text.toStdString() << "\", icon " << int(b.icon) << ", buttons "
        << int(b.buttons) << ", \"" << b.caption.toStdString() << "\"}";
}

// Records every message box instead of showing it; answers from `answers`, else OK.
class RecordingMessageBoxes : public MessageBoxService {
public:
    MsgAnswer show(QWidget*, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& caption) override {
        shown.push_back({text, icon, buttons, caption});
        if (answers.empty())
            return MsgAnswer::Ok;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<ShownBox> shown;
    std::deque<MsgAnswer> answers;
};

// Answers file dialogs with the next queued name (empty: cancelled) and records them.
class ScriptedFileDialogs : public FileDialogService {
public:
    struct Asked {
        bool save = false;
        QString caption;
        QString proposed; // the file (save) or folder (open) it starts with
        QString filter;
    };

    QString getOpenFileName(QWidget*, const QString& caption, const QString& filter,
                            const QString& directory) override {
        asked.push_back({false, caption, directory, filter});
        return next();
    }
    QString getSaveFileName(QWidget*, const QString& caption, const QString& proposed,
                            const QString& filter, const QString&) override {
        asked.push_back({true, caption, proposed, filter});
        return next();
    }

    std::deque<QString> names;
    std::vector<Asked> asked;

private:
    QString next() {
        if (names.empty())
            return {};
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// The recorders the test main installs in the application object.
RecordingMessageBoxes& messageBoxes();
ScriptedFileDialogs& fileDialogs();

} // namespace tonalink::apptest
