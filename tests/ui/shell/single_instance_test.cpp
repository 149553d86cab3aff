// Two real processes: the test process (or a started program) runs first, and the
// program started after it must bring the first to the front and end quietly.

#include "../../platform/pty_pair.h"
#include "core/app/settings_store.h"
#include "core/app/shortcut_document.h"
#include "recording_services.h"
#include "ui/form/form_view.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/tonalink_app.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

// A settings folder whose port would fail (and show a box, so an instance that
// opened it could never end on its own).
QString writeSettings(const QTemporaryDir& config, const QString& device) {
    QDir(config.path()).mkpath(QStringLiteral("QUILLFERN"));
    const QString ini = config.filePath(QStringLiteral("QUILLFERN/Tonalink.ini"));
    QFile file(ini);
    file.open(QIODevice::WriteOnly);
    file.write("[Ports]\nCOM1=" + device.toUtf8() + "\n\n[Setting]\nCommPort=0\n");
    return ini;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QProcessEnvironment programEnvironment(const QString& runtime, const QString& config,
                                       const QString& data) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    return env;
}

// The exit sequence wrote the settings back.
void expectSettingsSaved(const QString& ini) {
    const QByteArray saved = contents(ini);
    for (const char* line :
         {"[Application]\nVersion=3.12\n", "[BarSet]\nStatusBar=1\nToolBar=1\n", "ReDialTime=2\n",
          "EditExeFile=NOTEPAD.EXE\n", "SaveTime=0\n", "userlist19=\n", "PbEditExe=0\n"})
        EXPECT_TRUE(saved.contains(line)) << line << "\nin:\n" << saved.data();
}

// Waits for the process while this one keeps serving its own events.
bool finishes(QProcess& process, int ms) {
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, ms);
}

TEST(SingleInstanceTest, SecondProcessActivatesTheFirstAndEndsWithoutSettingsOrPort) {
    CTonalinkApp& app = tonalinkApp();
    MemorySettingsStore store;
    store.writeString("Ports", "COM1", "/nonexistent/ttyS9");
    app.setSettingsStore(&store);
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.mainWindow();
    ASSERT_NE(frame, nullptr);
    frame->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->isMinimized(); }, 2000));

    QTemporaryDir config, data;
    const QString ini = writeSettings(config, QStringLiteral("/nonexistent/ttyS8"));
    const QByteArray before = contents(ini);

    QProcess second;
    second.setProcessEnvironment(
        programEnvironment(qEnvironmentVariable("XDG_RUNTIME_DIR"), config.path(), data.path()));
    QElapsedTimer clock;
    clock.start();
    second.start(QStringLiteral(TONALINK_PROGRAM), {});
    ASSERT_TRUE(finishes(second, 10000)) << "the second instance did not end";
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(elapsed, 3000);
    std::cout << "second instance ended after " << elapsed << " ms\n";

    EXPECT_EQ(contents(ini), before) << "the second instance wrote settings";
    EXPECT_EQ(QDir(config.filePath(QStringLiteral("QUILLFERN"))).entryList(QDir::Files),
              QStringList{QStringLiteral("Tonalink.ini")});
    EXPECT_TRUE(QDir(data.path()).isEmpty()) << "the second instance registered itself";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isMinimized(); }, 3000))
        << "the first instance was not brought to the front";

    app.ExitInstance();
    app.setSettingsStore(nullptr);
}

TEST(SingleInstanceTest, RunningProgramEndsThroughItsExitSequenceOnSigterm) {
    PtyPair modem;
    ASSERT_TRUE(modem.ok());
    QTemporaryDir runtime, config, data, otherConfig;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString ini = writeSettings(config, QString::fromStdString(modem.slavePath()));

    QProcess first;
    first.setProcessEnvironment(programEnvironment(runtime.path(), config.path(), data.path()));
    first.setWorkingDirectory(runtime.path());
    first.start(QStringLiteral(TONALINK_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    // The reset line on the modem says start-up has passed the port.
    std::string reset;
    (void)QTest::qWaitFor(
        [&] {
            reset += modem.read(6 - reset.size(), 50);
            return reset.size() >= 6;
        },
        10000);
    EXPECT_EQ(reset, "ATZ0\r\n");

    // A second copy ends at once and the first keeps running.
    const QString otherIni = writeSettings(otherConfig, QStringLiteral("/nonexistent/ttyS8"));
    QProcess second;
    second.setProcessEnvironment(
        programEnvironment(runtime.path(), otherConfig.path(), data.path()));
    second.start(QStringLiteral(TONALINK_PROGRAM), {});
    ASSERT_TRUE(finishes(second, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(pid_t(first.processId()), SIGTERM);
    ASSERT_TRUE(finishes(first, 10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit) << first.readAllStandardError().data();
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_TRUE(modem.slaveClosed());

    expectSettingsSaved(ini);
}

TEST(SingleInstanceTest, SigtermEndsTheStartUpPortMessageAndRunsTheExitSequence) {
    QTemporaryDir runtime, config, data;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString ini = writeSettings(config, QStringLiteral("/nonexistent/ttyS7"));

    QProcess first;
    first.setProcessEnvironment(programEnvironment(runtime.path(), config.path(), data.path()));
    first.setWorkingDirectory(runtime.path());
    first.start(QStringLiteral(TONALINK_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    // The port message box is up well within this and waits for an answer.
    QTest::qWait(2500);
    ASSERT_EQ(first.state(), QProcess::Running);

    ::kill(pid_t(first.processId()), SIGTERM);
    ASSERT_TRUE(finishes(first, 10000)) << "the message box held the exit back";
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit) << first.readAllStandardError().data();
    expectSettingsSaved(ini);
}

TEST(SingleInstanceTest, ShortcutOnTheCommandLineIsSentAndEndsTheProgram) {
    PtyPair modem;
    ASSERT_TRUE(modem.ok());
    QTemporaryDir runtime, config, data, work;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(config.path()).mkpath(QStringLiteral("QUILLFERN"));
    QFile ini(config.filePath(QStringLiteral("QUILLFERN/Tonalink.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[Ports]\nCOM1=" + QByteArray::fromStdString(modem.slavePath()) +
        "\n\n[Setting]\nCommPort=0\nPhoneType=1\nDefaultOffTime=0\n\n[Service]\nShoutCutEnd=1\n");
    ini.close();
    // No waits, so the whole call is the schedule's fixed steps.
    QFile callDat(work.filePath(QStringLiteral("call.dat")));
    ASSERT_TRUE(callDat.open(QIODevice::WriteOnly));
    callDat.write("[Test]\r\nFreeStartCmd=7\r\nFreeEndCmd=8\r\nMsgEndCmd=#\r\nMsgCount=10\r\n"
                  "WaitTime=0\r\nCutTime=0\r\nFreeWordCnt=1\r\nFe000=[11]A\r\n");
    callDat.close();
    QFile book(work.filePath(QStringLiteral("maddress.dat")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write("[Taro]\r\nPbType=Test\r\nPbCallNo=0312345678\r\n");
    book.close();
    ShortcutDocument shortcut{"Taro", "AA", 0, 0, 0};
    ASSERT_TRUE(
        writeShortcutFile(work.filePath(QStringLiteral("taro.tks")).toStdString(), shortcut));

    QProcess program;
    program.setProcessEnvironment(programEnvironment(runtime.path(), config.path(), data.path()));
    program.setWorkingDirectory(work.path());
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(TONALINK_PROGRAM), {work.filePath(QStringLiteral("taro.tks"))});
    ASSERT_TRUE(program.waitForStarted());
    std::string lines;
    qint64 dialAt = -1;
    (void)QTest::qWaitFor(
        [&] {
            lines += modem.read(256, 50);
            if (dialAt < 0 && lines.find("ATDT0312345678;") != std::string::npos)
                dialAt = clock.elapsed();
            return lines.find("ATE1V1Q0H0\r\n") != std::string::npos;
        },
        30000);
    std::cout << "shortcut on the command line: dial line " << dialAt << " ms after start\n";
    EXPECT_EQ(lines, "ATZ0\r\nATDT0312345678;\r\nATDT71111#;\r\nATE1V1Q0H0\r\n");
    ASSERT_TRUE(finishes(program, 10000)) << "the program did not end after the shortcut's send";
    EXPECT_EQ(program.exitCode(), 0);
    QFile log(work.filePath(QStringLiteral("bell.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray records = log.readAll();
    EXPECT_TRUE(records.endsWith(",0312345678,Taro,Test,AA,\"71111#\"\r\n")) << records.data();
}

} // namespace
} // namespace tonalink
