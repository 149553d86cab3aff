#pragma once

#include <QMainWindow>
#include <QString>

namespace tonalink {

// What a form asks of the frame around it; the main frame provides it.
class CFrameWnd : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // Resizes the frame so its client area fits the form's size.
    virtual void ResizeToFitForm() = 0;
    // Status-bar pane text.
    virtual void SetPaneText(int pane, const QString& text) = 0;
};

} // namespace tonalink
