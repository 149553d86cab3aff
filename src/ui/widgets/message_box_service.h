#pragma once

#include <QString>

class QWidget;

namespace tonalink {

enum class MsgIcon { None, Stop, Exclamation, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
// The answers keep the system's numbers (IDOK 1, IDCANCEL 2, ...).
enum class MsgAnswer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

inline const QString kProgramTitle = QStringLiteral("Tonalink");

// Every message box of the program goes through one service on the application
// object, so tests can record what was shown and say what the user answers.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgAnswer show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& caption) = 0;
};

// Modal QMessageBox with the system's icons and buttons.
class QtMessageBoxService final : public MessageBoxService {
public:
    MsgAnswer show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& caption) override;
};

// The dynamic property the main frame carries while it lives.
inline constexpr const char* kProgramWindowProperty = "Tonalink";

// The service every message box goes through; null restores the system's boxes.
void setMessageBoxService(MessageBoxService* service);
// While set, every box answers at once with Cancel (No for a yes/no box, OK for
// a box that has only OK) without being shown: the program is ending.
void dismissMessageBoxes(bool dismiss);
// Set: the program is ending, and a window closes without asking about its
// unsaved work since nobody will answer. Inside a component, the program's state.
bool messageBoxesDismissed();

// Makes this copy of the service the one of every component loaded into the
// process (each component carries its own copy of this file): a component's
// boxes are then shown, recorded and dismissed as the program's own, so the
// program's end answers them too. The application object calls it once.
void shareMessageBoxes();

// Shows `text` through the current service, over the active window, with the
// program's title as caption.
MsgAnswer messageBox(const QString& text, MsgIcon icon = MsgIcon::None,
                     MsgButtons buttons = MsgButtons::Ok);

} // namespace tonalink
