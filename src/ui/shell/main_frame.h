#pragma once

#include "ui/widgets/frame_wnd.h"
#include "ui/widgets/message_box_service.h"

#include <map>

class QLabel;
class QMenu;
class QToolBar;

namespace tonalink {

class AcceleratorFilter;
class CFormView;
class CommandDispatcher;
class SettingsStore;

// The main window: menu bar, dockable tool bar, four-pane status bar, the form as
// client area, the accelerator table, and the `Tonalink` property by which a later
// copy of the program finds this one.
class CMainFrame : public CFrameWnd {
    Q_OBJECT
public:
    static inline const QString kWindowTitle = QStringLiteral("Tonalink with Win32");
    static inline const char* const kInstanceProperty = kProgramWindowProperty;
    static QString readyText();
    // The status bar's panes; the prompt shows readyText() when given no text.
    enum Pane { kPromptPane = 0, kKanaPane = 1, kCapsPane = 2, kClockPane = 3 };

    CMainFrame(CommandDispatcher& commands, SettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds bars and menus, sets the property and, at the first creation, the bar
    // visibility from the store. 0 on success, -1 on failure.
    int OnCreate();

    // The client area (the main form); the frame owns it.
    void setForm(CFormView* form);
    CFormView* form() const { return m_form; }
    void ResizeToFitForm() override;

    // Caption: the document title, " - ", the window title.
    void OnUpdateFrameTitle(const QString& documentTitle);

    // Status-bar pane text (pane 3 is the clock the form writes every second).
    void SetPaneText(int pane, const QString& text) override;
    QString paneText(int pane) const;

    QToolBar* toolBar() const { return m_wndToolBar; }
    QStatusBar* statusBarWindow() const { return m_wndStatusBar; }
    QAction* commandAction(int id) const;

    // Refreshes the enabled state and check marks of every command item.
    void UpdateCommandUI();
    // Brings the window to the front: restores it when minimised, raises and
    // activates it and then its open modal dialog.
    void ActivateFrame();
    // Lets files be dropped on the window (the framework's drop acceptance).
    void DragAcceptFiles(bool accept = true);

signals:
    // A file was dropped on the window (once for each of several).
    void fileDropped(const QString& path);
    // The frame has closed and written its bar visibility.
    void frameClosed();
    // A help command the frame handles (help topics).
    void helpRequested(int commandId);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // No bar-toggling pop-up on the bars: the 表示 menu does that.
    QMenu* createPopupMenu() override;

private:
    bool createToolBar();
    bool createStatusBar();
    void createMenus();
    QAction* actionFor(int id);
    void OnDestroy();
    void updateLockIndicators();

    CommandDispatcher& m_commands;
    SettingsStore& m_store;
    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    bool m_bFirstCreation = true;

    std::map<int, QAction*> m_actions;
    QLabel* m_panes[4] = {};
    CFormView* m_form = nullptr;
    AcceleratorFilter* m_accelerators = nullptr;
    bool m_destroyed = false;
};

} // namespace tonalink
