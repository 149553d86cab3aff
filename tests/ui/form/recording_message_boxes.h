#pragma once

#include "ui/widgets/message_box_service.h"

#include <QString>
#include <functional>
#include <ostream>
#include <vector>

namespace tonalink::test {

struct ShownMessage {
    QString text;
    MsgIcon icon = MsgIcon::None;
    bool operator==(const ShownMessage&) const = default;
};

inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << "{\"" << m.text.toStdString() << "\", icon " << static_cast<int>(m.icon) << "}";
}

// Records every message box instead of showing it and answers OK.
class RecordingMessageBoxes : public MessageBoxService {
public:
    MsgAnswer show(QWidget*, const QString& text, MsgIcon icon, MsgButtons,
                   const QString&) override {
        shown.push_back({text, icon});
        if (onShow) {
            onShow();
        }
        return MsgAnswer::Ok;
    }

    std::vector<ShownMessage> shown;
    // Runs inside the box, as code that waits for the user would.
    std::function<void()> onShow;
};

// The recorder the test main installs in the application object.
RecordingMessageBoxes& messageBoxes();

} // namespace tonalink::test
