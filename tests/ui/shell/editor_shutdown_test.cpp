// The real phone-book editor library inside the program, ended by SIGTERM.
#include "core/common/cp932.h"
#include "recording_services.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/tonalink_app.h"
#include "ui/widgets/command_ids.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(EditorShutdown, SigtermWithTheEditorOpenSavesSettingsAndLogAndEnds) {
    CTonalinkApp& app = tonalinkApp();
    app.state.settings = Settings{};
    app.setSettingsStore(nullptr); // the real settings file
    const QString ini = qEnvironmentVariable("XDG_CONFIG_HOME") + "/QUILLFERN/Tonalink.ini";
    QFile::remove(ini);
    const QDir work = QDir::current();
    QFile::remove(work.filePath("bell.log"));
    QFile book(work.filePath("maddress.dat"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly) && book.write("[A]\r\nPbCallNo=1\r\n") > 0);
    book.close();
    ASSERT_TRUE(app.InitInstance());
    // Set in this run: the editor shows it although the program has not ended.
    app.state.settings.Groups[0] = *cp932::fromUtf8("家族");

    QString groupShown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!editor || !editor->windowTitle().startsWith(QStringLiteral("電話帳の設定")))
            return;
        poll.stop();
        groupShown = editor->findChildren<QComboBox*>().at(1)->itemText(1);
        editor->findChildren<QLineEdit*>().front()->setText("9"); // unsaved work
        // Changed while the editor is open: only the end's own save writes them.
        app.state.settings.Groups[1] = "Team";
        app.state.sendLog.AddLogRecord("0312", "hello", 0, {});
        ::raise(SIGTERM);
    });
    poll.start(20);
    ASSERT_TRUE(app.commands().dispatch(cmd::kPhoneBookSettings));
    // The editor's loop has ended without a question; settings and log are on disk.
    EXPECT_EQ(groupShown, QStringLiteral("1: 家族"));
    EXPECT_TRUE(contents(ini).contains("Group2=Team"));
    EXPECT_TRUE(contents(work.filePath("bell.log")).contains(",0312,"));
    EXPECT_EQ(contents(work.filePath("maddress.dat")), "[A]\r\nPbCallNo=1\r\n");
    for (const apptest::ShownBox& box : apptest::messageBoxes().shown)
        EXPECT_NE(box.text, QStringLiteral("変更を保存しますか？"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !app.mainWindow()->isVisible(); }, 3000));
    app.ExitInstance();
}

} // namespace
} // namespace tonalink
