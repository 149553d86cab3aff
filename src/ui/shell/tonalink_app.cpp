#include "ui/shell/tonalink_app.h"

#include "core/app/modem_settings.h"
#include "core/app/settings_model.h"
#include "platform/desktop_registration.h"
#include "platform/help_file.h"
#include "platform/qt_settings_store.h"
#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"
#include "platform/ui_language.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/modem_dlg.h"
#include "ui/form/tonalink_doc.h"
#include "ui/form/tonalink_view.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/single_doc_template.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/component_call.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/modal_loops.h"
#include "ui/widgets/program_icon.h"

#include <QDesktopServices>
#include <QDir>
#include <QSessionManager>
#include <QTimer>

// The pictures and desktop files are compiled into the windows library; a static
// library's resources must be pulled in by name.
static void initResources() {
    Q_INIT_RESOURCE(tonalink);
    Q_INIT_RESOURCE(icons);
}

namespace tonalink {

namespace {

QString sendLogNoticeText(SendLogNotice notice, const std::string& detail) {
    const QString where = QString::fromLocal8Bit(detail.data(), qsizetype(detail.size()));
    switch (notice) {
    case SendLogNotice::SizeWarning:
        return QCoreApplication::translate(
            "CTonalinkApp", "ＬＯＧファイルのサイズが大きくなりました。\n整理して下さい。");
    case SendLogNotice::LogNotWritten:
        return QCoreApplication::translate("CTonalinkApp",
                                           "ＬＯＧファイルに書き込めませんでした。\n") +
               where;
    case SendLogNotice::JournalNotWritten:
        return QCoreApplication::translate("CTonalinkApp",
                                           "ＬＯＧの控えファイルに書き込めませんでした。\n") +
               where;
    }
    return where;
}

// The command line as one shortcut path, enclosing double quotes removed.
QString shortcutPathFromArguments(const QStringList& arguments) {
    QString line = arguments.mid(1).join(QLatin1Char(' ')).trimmed();
    if (line.size() >= 2 && line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"')))
        line = line.mid(1, line.size() - 2);
    return line;
}

} // namespace

CTonalinkApp& tonalinkApp() {
    auto* app = qobject_cast<CTonalinkApp*>(QCoreApplication::instance());
    Q_ASSERT(app);
    return *app;
}

CTonalinkApp::CTonalinkApp(int& argc, char** argv)
    : QApplication(argc, argv),
      state(QDir::currentPath().toStdString(), QDir::currentPath().toStdString(),
            [](SendLogNotice notice, const std::string& detail) {
                messageBox(sendLogNoticeText(notice, detail), MsgIcon::Exclamation);
            }),
      serialPort(
          state.settings, [](const QString& text) { messageBox(text, MsgIcon::Exclamation); },
          [this](bool answers) { showModemAnswers(answers); }),
      m_ownFileDialogs(std::make_unique<QtFileDialogService>()),
      m_fileDialogs(m_ownFileDialogs.get()),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    initResources();
    // The components loaded into the program ask through the program's boxes.
    shareMessageBoxes();
    installTranslations(*this, {"tonalink"});
    setApplicationName(kModuleName);
    setDesktopFileName(QStringLiteral("tonalink"));
    setWindowIcon(programIcon());
    // Only the main window's closing ends the program, even with a dialog still open.
    setQuitOnLastWindowClosed(false);
    // Menu items show text only; the pictures belong to the tool bar.
    setAttribute(Qt::AA_DontShowIconsInMenus);
    commandLine = shortcutPathFromArguments(arguments());
    registerCommands();
}

CTonalinkApp::~CTonalinkApp() = default;

SettingsStore& CTonalinkApp::settingsStore() {
    Q_ASSERT(m_store);
    return *m_store;
}

void CTonalinkApp::setMessageBoxService(MessageBoxService* service) {
    tonalink::setMessageBoxService(service);
}

void CTonalinkApp::setFileDialogService(FileDialogService* service) {
    m_fileDialogs = service ? service : m_ownFileDialogs.get();
}

void CTonalinkApp::setSettingsStore(SettingsStore* store) {
    m_store = store;
}

void CTonalinkApp::setUrlOpener(UrlOpener opener) {
    m_openUrl = std::move(opener);
}

CMainFrame* CTonalinkApp::mainWindow() const {
    return m_docTemplate ? m_docTemplate->frame() : nullptr;
}

CTonalinkDoc* CTonalinkApp::document() const {
    return m_docTemplate ? m_docTemplate->document() : nullptr;
}

bool CTonalinkApp::InitInstance() {
    // 1-2. A copy already running is brought to the front; this one ends silently,
    // before it reads settings or opens the port.
    if (!m_instanceGuard) {
        m_instanceGuard = new SingleInstanceGuard(kModuleName, this);
        connect(m_instanceGuard, &SingleInstanceGuard::activationRequested, this,
                &CTonalinkApp::ActivateMainWindow);
    }
    if (!m_instanceGuard->acquire()) {
        m_instanceGuard->notifyRunningInstance();
        return false;
    }
    m_endRequested = false;
    dismissMessageBoxes(false);
    // From here on, a termination request or the end of the session closes the main
    // window as its close box does, so the exit sequence runs.
    if (!m_terminationSignals) {
        m_terminationSignals = new TerminationSignals(this);
        connect(m_terminationSignals, &TerminationSignals::terminationRequested, this,
                &CTonalinkApp::endOnRequest);
        connect(this, &QGuiApplication::commitDataRequest, this, &CTonalinkApp::endOnRequest,
                Qt::DirectConnection);
    }
    // 3. The settings store.
    if (!m_store) {
        m_ownStore = std::make_unique<QtSettingsStore>();
        m_store = m_ownStore.get();
    }
    // 4. The single-document structure.
    m_docTemplate = std::make_unique<CSingleDocTemplate>(
        m_commands, *m_store,
        m_formFactory ? m_formFactory : FormFactory([this] { return createMainForm(); }));
    connect(m_docTemplate.get(), &CSingleDocTemplate::frameCreated, this,
            &CTonalinkApp::onFrameCreated);
    // 5. (Three-dimensional controls are the toolkit's own look.)
    // 6. Document, frame and form, from the command line or empty.
    CMainFrame* frame = commandLine.isEmpty() ? m_docTemplate->OpenDocumentFile()
                                              : m_docTemplate->OpenDocumentFile(commandLine);
    // 7. Form clock.
    state.clock.tickCount = 0;
    state.clock.sendAtTick = FormClock::kNoSendPending;
    // 8. Settings: only now, so the frame and the form were built without them.
    loadSettings(*m_store, state.settings);
    // 9. The port; a failure is shown and the program runs on.
    OpenCommPort();
    // Log records of an earlier run that never reached bell.log.
    state.sendLog.recoverJournal();
    // 10. Desktop registration of the shortcut type, in the background.
    startDesktopRegistration(currentDesktopPlaces());
    // 11. Dropped files.
    if (frame)
        frame->DragAcceptFiles();

    // Without a main window the program ends through its exit sequence at once.
    m_exitCode = frame ? 0 : 1;
    return true;
}

int CTonalinkApp::ExitInstance() {
    if (m_docTemplate)
        m_docTemplate->destroyFrame();
    if (!m_store)
        return m_exitCode;
    // 1. Settings.
    writeSettings();
    // 2. Port (DTR dropped).
    serialPort.close();
    // 3. Log lines to bell.log.
    state.sendLog.FlushLog();
    return m_exitCode;
}

int CTonalinkApp::Run() {
    if (!InitInstance())
        return 0;
    // A window closed during start-up (a termination request) ends the program at once.
    if (mainWindow() && mainWindow()->isVisible() && !m_endRequested)
        exec();
    return ExitInstance();
}

void CTonalinkApp::registerCommands() {
    m_commands.setHandler(cmd::kAppAbout, this, [this] { OnAppAbout(); });
    m_commands.setHandler(cmd::kModemSettings, this, [this] { OnModemSettings(); });
    m_commands.setHandler(cmd::kFileNew, this, [this] {
        if (m_docTemplate)
            m_docTemplate->OnFileNew();
    });
    m_commands.setHandler(cmd::kFileOpen, this, [this] {
        if (m_docTemplate)
            m_docTemplate->OnFileOpen();
    });
    m_commands.setHandler(cmd::kFileSaveAs, this, [this] {
        if (m_docTemplate)
            m_docTemplate->OnFileSaveAs();
    });
    m_commands.setHandler(cmd::kAppExit, this, [this] { closeMainWindow(); });
    m_commands.setHandler(cmd::kExtension, this, [this] {
        // The send-log viewer reads bell.log: the records still in memory go first.
        if (!state.sendLog.logLines().empty())
            state.sendLog.FlushLog();
        callComponent("libXtPlus.so", "PlusMenu_Open", tr("拡張DLLがインストールされていません。"));
    });
    for (int id :
         {cmd::kHelpIndex, cmd::kHelpUsing, cmd::kContextHelp, cmd::kHelp, cmd::kDefaultHelp})
        m_commands.setHandler(id, this, [this, id] { WinHelp(id); });
}

void CTonalinkApp::writeSettings() {
    if (!m_store)
        return;
    saveSettings(*m_store, state.settings);
    if (auto* own = dynamic_cast<QtSettingsStore*>(m_ownStore.get()))
        own->sync();
}

CFormView* CTonalinkApp::createMainForm() {
    auto* view = new CTonalinkView(state, serialPort, m_commands);
    view->registerCommands();
    // The phone-book editor reads the group names from the settings file: what
    // the user set in this run goes there first.
    m_commands.setHandler(cmd::kPhoneBookSettings, view, [this, view] {
        writeSettings();
        view->OnPhoneBookSettings();
    });
    // The sheet's browse button asks through the application's file dialogs.
    m_commands.setHandler(cmd::kOptions, view, [this, view] { view->OnOptions(fileDialogs()); });
    return view;
}

void CTonalinkApp::onFrameCreated(CMainFrame* frame) {
    connect(frame, &CMainFrame::fileDropped, this,
            [this](const QString& path) { m_docTemplate->OpenDocumentFile(path); });
    connect(frame, &CMainFrame::frameClosed, this, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(frame, &CMainFrame::helpRequested, this, &CTonalinkApp::WinHelp);
}

void CTonalinkApp::OnAppAbout() {
    CAboutDlg dialog(mainWindow());
    dialog.exec();
}

int CTonalinkApp::OpenCommPort() {
    // What the port opened before said about its modem is no longer news.
    showModemAnswers(true);
    return serialPort.open(state.settings.CommPort, state.settings.Ports, settingsStore());
}

void CTonalinkApp::showModemAnswers(bool answers) {
    if (CMainFrame* frame = mainWindow())
        frame->SetPaneText(CMainFrame::kPromptPane,
                           answers ? QString() : SerialPort::noAnswerText());
}

void CTonalinkApp::OnModemSettings() {
    CModemDlg dialog(modemValues(state), state.settings.Ports, mainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int written = applyModemValues(state, dialog.values(), [this] {
        serialPort.close();
        OpenCommPort();
    });
    if (written != 0)
        messageBox(tr("ポケベル情報ファイルに書き込めませんでした。\n") +
                       QString::fromLocal8Bit(state.pagerTypes.CallDatPath.c_str()),
                   MsgIcon::Exclamation);
}

void CTonalinkApp::WinHelp(int /*commandId*/) {
    // Every help command opens the one user guide; it starts with its contents.
    const std::optional<QString> file = locateHelpFile(
        applicationDirPath(), applicationDirPath() + QStringLiteral("/" TONALINK_DOC_FROM_BIN));
    if (!file || !m_openUrl(QUrl::fromLocalFile(*file)))
        messageBox(QStringLiteral("Unable to open the help file Tonalink.html."),
                   MsgIcon::Exclamation);
}

void CTonalinkApp::ActivateMainWindow() {
    if (CMainFrame* frame = mainWindow())
        frame->ActivateFrame();
}

void CTonalinkApp::endOnRequest() {
    m_endRequested = true;
    // A modal window (a component's among them) may hold the exit back, and a
    // kill after that would lose the settings and the log lines: they go to disk
    // before the modal loops are ended.
    if (activeModalWidget()) {
        writeSettings();
        state.sendLog.FlushLog();
    }
    endModalLoops();
    // Closed once the modal loops have unwound; during start-up Run sees the
    // request instead.
    QTimer::singleShot(0, this, &CTonalinkApp::closeMainWindow);
}

void CTonalinkApp::closeMainWindow() {
    m_endRequested = true;
    CMainFrame* frame = mainWindow();
    if (frame && frame->isVisible())
        frame->close();
    else
        quit();
}

} // namespace tonalink
