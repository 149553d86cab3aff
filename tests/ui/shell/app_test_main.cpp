// Builds the application object (gtest_main cannot) on the offscreen platform, with
// every per-user folder and the working folder in a throw-away directory, so no test
// touches the user's settings, desktop files or send log.

#include "recording_services.h"
#include "ui/shell/tonalink_app.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tonalink::apptest {

RecordingMessageBoxes& messageBoxes() {
    static RecordingMessageBoxes boxes;
    return boxes;
}

ScriptedFileDialogs& fileDialogs() {
    static ScriptedFileDialogs dialogs;
    return dialogs;
}

} // namespace tonalink::apptest

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    for (const char* folder : {"config", "data", "runtime", "cache", "work"})
        QDir(home.path()).mkdir(QString::fromLatin1(folder));
    QFile::setPermissions(home.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath("runtime")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath("cache")));
    QDir::setCurrent(home.filePath("work"));

    testing::InitGoogleTest(&argc, argv);
    tonalink::CTonalinkApp app(argc, argv);
    app.setMessageBoxService(&tonalink::apptest::messageBoxes());
    app.setFileDialogService(&tonalink::apptest::fileDialogs());
    return RUN_ALL_TESTS();
}
