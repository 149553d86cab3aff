#include "platform/desktop_registration.h"
#include "ui/widgets/command_dispatcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class DesktopRegistrationTest : public ::testing::Test {
protected:
    DesktopPlaces places() const {
        return {data.path(), templates.path(), QStringLiteral("/opt/tonalink/bin/tonalink")};
    }
    QString at(const char* relative) const { return data.filePath(QString::fromLatin1(relative)); }

    QTemporaryDir data;
    QTemporaryDir templates;
};

TEST_F(DesktopRegistrationTest, WritesMimeTypeMenuEntryIconsAndNewFileTemplate) {
    const QStringList written = registerDesktopIntegration(places());
    EXPECT_EQ(written.size(), 2 + 8 + 1);

    const QByteArray mime = contents(at("mime/packages/tonalink.xml"));
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-tonalink-document\">"));
    EXPECT_TRUE(mime.contains("<comment>Tonalink Document</comment>"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.tks\"/>"));

    const QByteArray entry = contents(at("applications/tonalink.desktop"));
    EXPECT_TRUE(entry.contains("\nExec=/opt/tonalink/bin/tonalink %f\n")) << entry.data();
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-tonalink-document;\n"));
    EXPECT_TRUE(entry.contains("\nIcon=tonalink\n"));

    EXPECT_TRUE(contents(at("icons/hicolor/48x48/apps/tonalink.png")).startsWith("\x89PNG"));
    EXPECT_TRUE(contents(at("icons/hicolor/256x256/apps/tonalink.png")).startsWith("\x89PNG"));
    EXPECT_EQ(contents(templates.filePath(QStringLiteral("Tonalink Document.tks"))), QByteArray());
}

TEST_F(DesktopRegistrationTest, LaterStartsWriteOnlyWhatChanged) {
    registerDesktopIntegration(places());
    EXPECT_TRUE(registerDesktopIntegration(places()).isEmpty());

    DesktopPlaces moved = places();
    moved.programPath = QStringLiteral("/home/u/build/tonalink");
    EXPECT_EQ(registerDesktopIntegration(moved), QStringList{at("applications/tonalink.desktop")});
    EXPECT_TRUE(contents(at("applications/tonalink.desktop"))
                    .contains("\nExec=/home/u/build/tonalink %f\n"));

    // A template the user emptied or changed is theirs: never written over.
    QFile templ(templates.filePath(QStringLiteral("Tonalink Document.tks")));
    ASSERT_TRUE(templ.open(QIODevice::WriteOnly));
    templ.write("mine");
    templ.close();
    EXPECT_TRUE(registerDesktopIntegration(moved).isEmpty());
    EXPECT_EQ(contents(templ.fileName()), QByteArray("mine"));
}

TEST_F(DesktopRegistrationTest, UnwritableDataFolderIsNotAnError) {
    const DesktopPlaces nowhere{QStringLiteral("/proc/no-such-folder"), QString(),
                                QStringLiteral("/usr/bin/tonalink")};
    EXPECT_TRUE(registerDesktopIntegration(nowhere).isEmpty());
}

struct ExecCase {
    const char* name;
    const char* program;
    const char* exec;
};

class DesktopExecTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExecTest, ProgramPathIsQuotedByTheDesktopEntryRules) {
    EXPECT_EQ(desktopExecLine(QString::fromUtf8(GetParam().program)),
              QString::fromUtf8(GetParam().exec));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DesktopExecTest,
    ::testing::Values(ExecCase{"Plain", "/usr/bin/tonalink", "/usr/bin/tonalink %f"},
                      ExecCase{"Space", "/home/a b/tonalink", "\"/home/a b/tonalink\" %f"},
                      ExecCase{"Dollar", "/x/$y/tonalink", "\"/x/\\\\$y/tonalink\" %f"},
                      ExecCase{"Percent", "/x/100%/tonalink", "\"/x/100%%/tonalink\" %f"},
                      ExecCase{"Japanese", "/home/太郎/tonalink", "\"/home/太郎/tonalink\" %f"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandDispatcherTest, HandlerLivesWithItsOwnerAndPostedCommandsRunLater) {
    CommandDispatcher commands;
    std::vector<int> ran;
    auto owner = std::make_unique<QObject>();
    bool enabled = true;
    commands.setHandler(
        32777, owner.get(), [&] { ran.push_back(32777); }, [&] { return enabled; });
    EXPECT_TRUE(commands.dispatch(32777));
    enabled = false;
    EXPECT_FALSE(commands.dispatch(32777));
    enabled = true;

    commands.post(32777);
    EXPECT_EQ(ran, std::vector<int>{32777});
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (std::vector<int>{32777, 32777}));

    owner.reset();
    EXPECT_FALSE(commands.hasHandler(32777));
    EXPECT_FALSE(commands.dispatch(32777));
}

} // namespace
} // namespace tonalink
