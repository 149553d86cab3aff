#include "../../platform/pty_pair.h"
#include "core/app/settings_model.h"
#include "recording_services.h"
#include "recording_settings_store.h"
#include "ui/form/form_view.h"
#include "ui/form/tonalink_doc.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/single_doc_template.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/command_ids.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

using apptest::messageBoxes;
using apptest::ShownBox;

const QString kPortFailure =
    QStringLiteral("COMポートがオープンできません\n設定を変更し再起動してください。");

// A store that also lets a test look at the program at the moment of one write.
class WatchedStore : public testing::RecordingSettingsStore {
public:
    std::function<void(std::string_view section, std::string_view key)> onWrite;

    void writeInt(std::string_view section, std::string_view key, int32_t value) override {
        if (onWrite)
            onWrite(section, key);
        RecordingSettingsStore::writeInt(section, key, value);
    }
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        if (onWrite)
            onWrite(section, key);
        RecordingSettingsStore::writeString(section, key, value);
    }
};

// Stands in for the main form and notes what the program looked like when the
// frame built it and when it ran its initial update.
class ProbeForm : public CFormView {
public:
    explicit ProbeForm(std::vector<std::string>& timeline) : m_timeline(timeline) {
        m_timeline.push_back("form created, DefaultOffTime=" +
                             std::to_string(tonalinkApp().state.settings.DefaultOffTime));
        setMinimumSize(200, 100);
    }
    void OnInitialUpdate() override {
        CFormView::OnInitialUpdate();
        ++initialUpdates;
        m_timeline.push_back(
            "initial update, entry=" + GetDocument()->shortcut.entryName +
            ", DefaultOffTime=" + std::to_string(tonalinkApp().state.settings.DefaultOffTime));
    }
    int initialUpdates = 0;

private:
    std::vector<std::string>& m_timeline;
};

bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 3000);
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        CTonalinkApp& app = tonalinkApp();
        app.state.settings = Settings{};
        app.commandLine.clear();
        app.setSettingsStore(&store);
        app.setFormFactory([this] { return form = new ProbeForm(store.calls); });
        messageBoxes().shown.clear();
        ASSERT_TRUE(pty.ok());
        store.writeString("Ports", "COM1", pty.slavePath());
        store.writeInt("Setting", "DefaultOffTime", 25);
        store.calls.clear();
    }
    void TearDown() override {
        CTonalinkApp& app = tonalinkApp();
        if (!exited)
            app.ExitInstance();
        app.setSettingsStore(nullptr);
        app.setFormFactory({});
        app.setUrlOpener([](const QUrl&) { return false; });
    }
    int exit() {
        exited = true;
        return tonalinkApp().ExitInstance();
    }
    std::ptrdiff_t indexOf(const std::string& call) const {
        const auto it = std::find(store.calls.begin(), store.calls.end(), call);
        return it == store.calls.end() ? -1 : it - store.calls.begin();
    }
    QString writeShortcut(const QString& name, const std::string& entry) {
        ShortcutDocument doc;
        doc.entryName = entry;
        doc.message = "hello";
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeShortcutFile(QFile::encodeName(path).toStdString(), doc));
        return path;
    }

    WatchedStore store;
    PtyPair pty;
    ProbeForm* form = nullptr;
    QTemporaryDir dir;
    bool exited = false;
};

TEST_F(StartupTest, StatusBarSaysWhileTheModemDoesNotAnswerItsReset) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    const auto prompt = [](const QString& text) {
        return waitFor([&] { return tonalinkApp().mainWindow()->paneText(0) == text; });
    };
    EXPECT_TRUE(prompt(SerialPort::noAnswerText()));
    ASSERT_TRUE(pty.answer("OK\r\n"));
    EXPECT_TRUE(prompt(CMainFrame::readyText()));
    EXPECT_EQ(exit(), 0);
}

TEST_F(StartupTest, FrameAndFormAreBuiltBeforeSettingsAreLoadedThenPortOpens) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    ASSERT_NE(tonalinkApp().mainWindow(), nullptr);

    // The frame reads its bars, then the form is built and updated with constructor
    // values, and only then are the settings read.
    const auto bars = indexOf("read BarSet/ToolBar");
    const auto created = indexOf("form created, DefaultOffTime=0");
    const auto updated = indexOf("initial update, entry=, DefaultOffTime=0");
    const auto loading = indexOf("read Setting/CommPort");
    ASSERT_GE(bars, 0);
    EXPECT_LT(bars, created);
    EXPECT_LT(created, updated);
    EXPECT_LT(updated, loading);
    EXPECT_EQ(tonalinkApp().state.settings.DefaultOffTime, 25);

    // The port was opened with the stored device, so after the settings.
    EXPECT_TRUE(tonalinkApp().serialPort.isOpen());
    EXPECT_EQ(pty.read(6), "ATZ0\r\n");
    EXPECT_TRUE(messageBoxes().shown.empty());
    EXPECT_EQ(tonalinkApp().mainWindow()->windowTitle(),
              QStringLiteral("NewMsg - Tonalink with Win32"));
    EXPECT_TRUE(tonalinkApp().mainWindow()->acceptDrops());
    // Qt's own buttons speak the program's language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

TEST_F(StartupTest, PortThatCannotOpenIsReportedAndStartUpGoesOn) {
    store.writeString("Ports", "COM1", "/nonexistent/ttyS9");
    ASSERT_TRUE(tonalinkApp().InitInstance());
    EXPECT_NE(tonalinkApp().mainWindow(), nullptr);
    EXPECT_FALSE(tonalinkApp().serialPort.isOpen());
    EXPECT_EQ(messageBoxes().shown,
              (std::vector<ShownBox>{{kPortFailure, MsgIcon::Exclamation, MsgButtons::Ok,
                                      QStringLiteral("Tonalink")}}));
    EXPECT_EQ(exit(), 0);
}

TEST_F(StartupTest, ExitWritesEverySettingThenClosesPortThenFlushesLog) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    std::vector<std::string> read;
    for (const std::string& call : store.calls) {
        if (call.rfind("read ", 0) == 0 && call.find("BarSet") == std::string::npos)
            read.push_back(call.substr(5));
    }
    ASSERT_GT(read.size(), 40u);

    tonalinkApp().state.sendLog.AddLogRecord("0312345678", "hello", 0, LogRecordContext{});
    const QString logPath = QDir::current().filePath(QStringLiteral("bell.log"));
    QFile::remove(logPath);
    bool portOpenAtSave = false;
    bool logWrittenAtSave = true;
    store.onWrite = [&](std::string_view section, std::string_view key) {
        if (section == "Application" && key == "Version") {
            portOpenAtSave = tonalinkApp().serialPort.isOpen();
            logWrittenAtSave = QFile::exists(logPath);
        }
    };
    store.calls.clear();
    EXPECT_EQ(exit(), 0);

    std::vector<std::string> written;
    for (const std::string& call : store.calls)
        written.push_back(call.substr(6, call.find('=') - 6));
    // The frame writes its bars when it goes, before the exit sequence.
    ASSERT_GE(written.size(), 3u);
    EXPECT_EQ(written[0], "BarSet/ToolBar");
    EXPECT_EQ(written[1], "BarSet/StatusBar");
    EXPECT_EQ(written[2], "Application/Version");
    for (const std::string& key : read)
        EXPECT_NE(std::find(written.begin(), written.end(), key), written.end()) << key;
    EXPECT_TRUE(portOpenAtSave);
    EXPECT_FALSE(logWrittenAtSave);
    EXPECT_FALSE(tonalinkApp().serialPort.isOpen());
    EXPECT_TRUE(pty.slaveClosed());
    EXPECT_TRUE(QFile::exists(logPath));
}

TEST_F(StartupTest, CommandLineShortcutIsReadBeforeTheSettings) {
    tonalinkApp().commandLine = writeShortcut(QStringLiteral("callee.tks"), "Taro");
    ASSERT_TRUE(tonalinkApp().InitInstance());
    ASSERT_NE(tonalinkApp().mainWindow(), nullptr);
    EXPECT_LT(indexOf("initial update, entry=Taro, DefaultOffTime=0"),
              indexOf("read Setting/CommPort"));
    EXPECT_EQ(tonalinkApp().document()->shortcut.applied, 0u);
    EXPECT_EQ(tonalinkApp().mainWindow()->windowTitle(),
              QStringLiteral("callee.tks - Tonalink with Win32"));
}

struct BadFileCase {
    const char* name;
    const char* file; // written with `bytes` unless null
    const char* bytes;
    const char* message; // start of the message shown
};

class BadCommandLineTest : public StartupTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadCommandLineTest, NoMainWindowButSettingsAreStillLoadedAndSaved) {
    const BadFileCase& c = GetParam();
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    if (c.bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
    }
    tonalinkApp().commandLine = path;
    ASSERT_TRUE(tonalinkApp().InitInstance());
    EXPECT_EQ(tonalinkApp().mainWindow(), nullptr);
    ASSERT_EQ(messageBoxes().shown.size(), 1u);
    EXPECT_TRUE(messageBoxes().shown[0].text.startsWith(QString::fromUtf8(c.message)))
        << messageBoxes().shown[0].text.toStdString();
    EXPECT_EQ(messageBoxes().shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(tonalinkApp().state.settings.DefaultOffTime, 25);
    store.calls.clear();
    EXPECT_EQ(exit(), 1);
    EXPECT_EQ(indexOf("write Application/Version=3.12"), 0);
    EXPECT_GT(indexOf("write Setting/DefaultOffTime=25"), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, BadCommandLineTest,
                         ::testing::Values(BadFileCase{"EmptyFile", "empty.tks", "",
                                                       "Unexpected file format."},
                                           BadFileCase{"ShortFile", "short.tks",
                                                       "\x01"
                                                       "A",
                                                       "Unexpected file format."},
                                           BadFileCase{"MissingFile", "missing.tks", nullptr, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, TerminationSignalClosesTheWindowLikeItsCloseBox) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    CMainFrame* frame = tonalinkApp().mainWindow();
    ASSERT_TRUE(frame->isVisible());
    store.calls.clear();
    ::raise(SIGTERM);
    EXPECT_TRUE(waitFor([&] { return !frame->isVisible(); }));
    EXPECT_EQ(indexOf("write BarSet/ToolBar=1"), 0);
    EXPECT_FALSE(frame->property("Tonalink").isValid());
}

TEST_F(StartupTest, NewOpenAndSaveAsGoThroughTheFileDialogs) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    CTonalinkDoc* doc = tonalinkApp().document();
    CommandDispatcher& commands = tonalinkApp().commands();
    auto& dialogs = apptest::fileDialogs();
    dialogs.asked.clear();

    doc->shortcut.entryName = "Hanako";
    doc->shortcut.message = "see you";
    const QString saved = dir.filePath(QStringLiteral("saved.tks"));
    dialogs.names = {saved};
    ASSERT_TRUE(commands.dispatch(cmd::kFileSaveAs));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].save);
    EXPECT_EQ(dialogs.asked[0].proposed, QStringLiteral("NewMsg.tks"));
    EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("ｼｮｰﾄｶｯﾄ ﾌｧｲﾙ (*.tks);;All Files (*)"));
    EXPECT_EQ(doc->shortcut.applied, 1u);
    EXPECT_EQ(tonalinkApp().mainWindow()->windowTitle(),
              QStringLiteral("saved.tks - Tonalink with Win32"));
    ShortcutDocument expected = doc->shortcut;
    const ShortcutLoadResult onDisk = readShortcutFile(QFile::encodeName(saved).toStdString());
    ASSERT_TRUE(onDisk.document);
    EXPECT_EQ(onDisk.document->entryName, "Hanako");
    EXPECT_EQ(onDisk.document->applied, 0u);

    // New keeps the fields (the load command empties them itself) and re-runs the form.
    const int updates = form->initialUpdates;
    ASSERT_TRUE(commands.dispatch(cmd::kFileNew));
    EXPECT_EQ(doc->GetPathName(), QString());
    EXPECT_EQ(doc->shortcut.entryName, "Hanako");
    EXPECT_EQ(form->initialUpdates, updates + 1);
    EXPECT_EQ(tonalinkApp().mainWindow()->windowTitle(),
              QStringLiteral("NewMsg - Tonalink with Win32"));

    const QString other = writeShortcut(QStringLiteral("other.tks"), "Jiro");
    dialogs.names = {other};
    ASSERT_TRUE(commands.dispatch(cmd::kFileOpen));
    EXPECT_EQ(doc->shortcut.entryName, "Jiro");
    EXPECT_EQ(form->initialUpdates, updates + 2);

    // The open document is not read again.
    writeShortcut(QStringLiteral("other.tks"), "Saburo");
    dialogs.names = {other};
    ASSERT_TRUE(commands.dispatch(cmd::kFileOpen));
    EXPECT_EQ(doc->shortcut.entryName, "Jiro");
    EXPECT_EQ(form->initialUpdates, updates + 2);

    // A cancelled dialog changes nothing.
    dialogs.names.clear();
    ASSERT_TRUE(commands.dispatch(cmd::kFileSaveAs));
    EXPECT_EQ(doc->GetPathName(), QFileInfo(other).absoluteFilePath());
}

TEST_F(StartupTest, FailedOpenWhileRunningKeepsTheDocument) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    CTonalinkDoc* doc = tonalinkApp().document();
    doc->shortcut.entryName = "Kept";
    QFile bad(dir.filePath(QStringLiteral("bad.tks")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x01"
              "A\x01"
              "B\x00",
              5);
    bad.close();
    EXPECT_EQ(tonalinkApp().docTemplate()->OpenDocumentFile(bad.fileName()), nullptr);
    EXPECT_EQ(doc->shortcut.entryName, "Kept");
    EXPECT_EQ(messageBoxes().shown.back().text, QStringLiteral("Unexpected file format."));
    EXPECT_NE(tonalinkApp().mainWindow(), nullptr);
}

TEST_F(StartupTest, EachDroppedFileIsOpenedAndOneThatIsNoShortcutRefused) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    CMainFrame* frame = tonalinkApp().mainWindow();
    const QString path = writeShortcut(QStringLiteral("dropped.TKS"), "Shiro");
    QFile(dir.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);

    auto drop = [&](const QStringList& files) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(file);
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &dropEvent);
        return true;
    };
    messageBoxes().shown.clear();
    EXPECT_TRUE(drop({dir.filePath(QStringLiteral("notes.txt")), path}));
    ASSERT_EQ(messageBoxes().shown.size(), 1u);
    EXPECT_EQ(messageBoxes().shown[0].text, QStringLiteral("Unexpected file format."));
    EXPECT_EQ(tonalinkApp().document()->shortcut.entryName, "Shiro");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("dropped.TKS - Tonalink with Win32"));
}

TEST_F(StartupTest, HelpCommandsOpenTheGuideBesideTheProgram) {
    ASSERT_TRUE(tonalinkApp().InitInstance());
    std::vector<QUrl> opened;
    tonalinkApp().setUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    const QUrl guide =
        QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath("Tonalink.html"));
    for (int id : {cmd::kHelpIndex, cmd::kHelpFinder, cmd::kHelpUsing, cmd::kHelp,
                   cmd::kContextHelp, cmd::kDefaultHelp})
        EXPECT_TRUE(tonalinkApp().commands().dispatch(id)) << id;
    EXPECT_EQ(opened, std::vector<QUrl>(6, guide));
    EXPECT_TRUE(messageBoxes().shown.empty());

    tonalinkApp().setUrlOpener([](const QUrl&) { return false; });
    tonalinkApp().commands().dispatch(cmd::kHelpIndex);
    ASSERT_EQ(messageBoxes().shown.size(), 1u);
    EXPECT_EQ(messageBoxes().shown[0].icon, MsgIcon::Exclamation);
}

} // namespace
} // namespace tonalink
