#include "form_fixture.h"
#include "ui/form/form_ids.h"
#include "ui/widgets/command_ids.h"
#include "url_recorder.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>

using namespace tonalink;
using namespace tonalink::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kHeader =
    "Tonalink with Win32 Message Log file\r\nDate,Time,CallNo,Name,Type,Message,Command\r\n\r\n";

} // namespace

class OpenLogTest : public FormTest {
protected:
    QString logPath() const { return QFileInfo(logDir.filePath("bell.log")).absoluteFilePath(); }
};

TEST_F(OpenLogTest, DefaultEditorGetsTheFlushedLogsRealPath) {
    sendLog.AddLogRecord("0201112222", "12", 0, LogRecordContext{"", "", {}, 0, "12"});
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    settings.EditExeFile = "notepad.exe";
    ASSERT_TRUE(commands.dispatch(cmd::kOpenLog));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    EXPECT_EQ(desktop.urls, QList<QUrl>({QUrl::fromLocalFile(logPath())}));
    EXPECT_TRUE(sendLog.logLines().empty());
    const QByteArray log = readAll(logPath());
    EXPECT_TRUE(log.startsWith(kHeader));
    EXPECT_TRUE(log.endsWith(",\"12\"\r\n")) << log.toStdString();
    EXPECT_TRUE(messageBoxes().shown.empty());
}

TEST_F(OpenLogTest, NamedEditorIsStartedOnTheLog) {
    // An "editor" that writes down what it was asked to open.
    const QString script = logDir.filePath("editor.sh");
    const QString note = logDir.filePath("opened.txt");
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + note + "'\n").toUtf8());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    settings.EditExeFile = script.toStdString();
    view->OnOpenLog();
    for (int i = 0; i < 200 && !QFile::exists(note); ++i) {
        QTest::qWait(10);
    }
    QTest::qWait(20);
    EXPECT_EQ(readAll(note), logPath().toUtf8());
    EXPECT_EQ(readAll(logPath()), kHeader); // created with its header though empty
    EXPECT_TRUE(messageBoxes().shown.empty());
}

TEST_F(OpenLogTest, EditorThatCannotStartIsReportedAfterTheFlush) {
    sendLog.AddLogRecord("0201112222", "12", 0, LogRecordContext{"", "", {}, 0, "12"});
    for (const char* editor : {"/nonexistent/editor", ""}) {
        messageBoxes().shown.clear();
        settings.EditExeFile = editor;
        view->OnOpenLog();
        EXPECT_EQ(messageBoxes().shown,
                  std::vector<ShownMessage>(
                      {{utf8("ファイルが見つかりませんでした。"), MsgIcon::Exclamation}}))
            << editor;
    }
    EXPECT_TRUE(sendLog.logLines().empty());
    EXPECT_TRUE(readAll(logPath()).startsWith(kHeader));
}
