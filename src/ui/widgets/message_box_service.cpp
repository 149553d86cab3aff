#include "ui/widgets/message_box_service.h"

#include <QApplication>
#include <QMessageBox>

namespace tonalink {

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        break;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Ok;
    }
}

} // namespace

MsgAnswer QtMessageBoxService::show(QWidget* parent, const QString& text, MsgIcon icon,
                                    MsgButtons buttons, const QString& caption) {
    QMessageBox box(qtIcon(icon), caption, text, qtButtons(buttons), parent);
    // Esc answers Cancel where there is one, No for a yes/no box, as the system does.
    if (buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

namespace {
QtMessageBoxService g_systemBoxes;
MessageBoxService* g_boxes = &g_systemBoxes;
bool g_dismissed = false;

MsgAnswer cancellingAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel:
        break;
    }
    return MsgAnswer::Cancel;
}

// The window that carries the program's property: the main frame.
QWidget* programWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->property(kProgramWindowProperty).isValid())
            return widget;
    return nullptr;
}

MsgAnswer showHere(const QString& text, MsgIcon icon, MsgButtons buttons) {
    if (g_dismissed)
        return cancellingAnswer(buttons);
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    if (!parent)
        parent = programWindow();
    return g_boxes->show(parent, text, icon, buttons, kProgramTitle);
}

// What the application object carries for the components: plain function
// pointers, since each copy of this file has its own classes.
struct SharedBoxes {
    int version;
    MsgAnswer (*show)(const QString& text, MsgIcon icon, MsgButtons buttons);
    bool (*ending)();
};
constexpr int kSharedBoxesVersion = 1;
constexpr const char* kSharedBoxesProperty = "tonalinkMessageBoxes";
const SharedBoxes g_shared{kSharedBoxesVersion, &showHere, [] { return g_dismissed; }};

// The program's service when this copy is a component's.
const SharedBoxes* hostBoxes() {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    const auto* host =
        reinterpret_cast<const SharedBoxes*>(app->property(kSharedBoxesProperty).value<quintptr>());
    return host && host != &g_shared && host->version == kSharedBoxesVersion ? host : nullptr;
}
} // namespace

void setMessageBoxService(MessageBoxService* service) {
    g_boxes = service ? service : &g_systemBoxes;
}

void dismissMessageBoxes(bool dismiss) {
    g_dismissed = dismiss;
}

bool messageBoxesDismissed() {
    const SharedBoxes* host = hostBoxes();
    return host ? host->ending() : g_dismissed;
}

void shareMessageBoxes() {
    QCoreApplication::instance()->setProperty(
        kSharedBoxesProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&g_shared)));
}

MsgAnswer messageBox(const QString& text, MsgIcon icon, MsgButtons buttons) {
    const SharedBoxes* host = hostBoxes();
    return host ? host->show(text, icon, buttons) : showHere(text, icon, buttons);
}

} // namespace tonalink
