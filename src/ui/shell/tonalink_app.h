#pragma once

#include "core/app/program_state.h"
#include "platform/comm_line.h"
#include "ui/widgets/command_dispatcher.h"

#include <QApplication>
#include <QUrl>
#include <functional>
#include <memory>

namespace tonalink {

class CFormView;
class CMainFrame;
class CSingleDocTemplate;
class CTonalinkDoc;
class FileDialogService;
class MessageBoxService;
class SettingsStore;
class SingleInstanceGuard;
class TerminationSignals;

// The application object: the one owner of program-wide state, start-up and exit,
// and the application's own commands.
class CTonalinkApp : public QApplication {
    Q_OBJECT
public:
    using FormFactory = std::function<CFormView*()>;
    using UrlOpener = std::function<bool(const QUrl&)>;

    static inline const QString kModuleName = QStringLiteral("Tonalink");

    CTonalinkApp(int& argc, char** argv);
    ~CTonalinkApp() override;

    // Start-up in its fixed order; false when the program is to end at once (a copy
    // of it already runs, or there is no main window).
    bool InitInstance();
    // The exit sequence; returns the process exit code.
    int ExitInstance();
    // InitInstance, the event loop, ExitInstance.
    int Run();

    // --- program-wide state ---
    ProgramState state;
    CommLine serialPort; // the COM port's line: a serial port or a SIP line
    // The shortcut path given on the command line (quotes removed); empty for none.
    QString commandLine;

    // --- services ---
    CommandDispatcher& commands() { return m_commands; }
    FileDialogService& fileDialogs() { return *m_fileDialogs; }
    SettingsStore& settingsStore();
    // Replacements for tests (null restores the real one); not owned.
    void setMessageBoxService(MessageBoxService* service);
    void setFileDialogService(FileDialogService* service);
    void setSettingsStore(SettingsStore* store);
    void setUrlOpener(UrlOpener opener);
    // What the frame shows as its client area; empty: the main form.
    void setFormFactory(FormFactory factory) { m_formFactory = std::move(factory); }

    CMainFrame* mainWindow() const;
    CTonalinkDoc* document() const;
    CSingleDocTemplate* docTemplate() const { return m_docTemplate.get(); }

    // --- the application's commands ---
    void OnAppAbout();
    // The modem and line settings dialog; a changed port is reopened at once.
    void OnModemSettings();
    // Opens the user guide for one of the help commands.
    void WinHelp(int commandId);
    // Brings the main window (and its open modal dialog) to the front.
    void ActivateMainWindow();

private:
    void registerCommands();
    // Opens the port CommPort names; a failure is shown and the port stays closed.
    int OpenCommPort();
    // The status bar says when the modem gave no answer to its reset.
    void showModemAnswers(bool answers);
    CFormView* createMainForm();
    // The settings back into the store, and to disk.
    void writeSettings();
    void onFrameCreated(CMainFrame* frame);
    void closeMainWindow();
    // A termination request or the end of the session.
    void endOnRequest();

    CommandDispatcher m_commands;
    std::unique_ptr<FileDialogService> m_ownFileDialogs;
    std::unique_ptr<SettingsStore> m_ownStore;
    FileDialogService* m_fileDialogs;
    SettingsStore* m_store = nullptr;
    UrlOpener m_openUrl;
    FormFactory m_formFactory;
    int m_exitCode = 0;
    bool m_endRequested = false;
    SingleInstanceGuard* m_instanceGuard = nullptr;
    TerminationSignals* m_terminationSignals = nullptr;
    std::unique_ptr<CSingleDocTemplate> m_docTemplate;
};

// The running application object.
CTonalinkApp& tonalinkApp();

} // namespace tonalink
