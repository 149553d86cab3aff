#include "child_process.h"
#include "core/app/settings_model.h"
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using namespace tonalink;

namespace {

// "テスト" and "ｸﾞﾙｰﾌﾟ1" in CP932.
const std::string kTesuto = "\x83\x65\x83\x58\x83\x67";
const std::string kGroup1 = "\xB8\xDE\xD9\xB0\xCC\xDF"
                            "1";

class QtSettingsStoreTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Tonalink.ini")); }
    void writeFile(const QByteArray& text) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray readFile() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(QtSettingsStoreTest, TheUserStoreLivesUnderTheCompanyFolder) {
    EXPECT_TRUE(QtSettingsStore().fileName().endsWith(QStringLiteral("/QUILLFERN/Tonalink.ini")));
}

TEST_F(QtSettingsStoreTest, WritesThroughALinkAndIntoAFolderThatTakesNoNewFile) {
    for (const bool link : {true, false}) {
        const QString real = dir.filePath(QStringLiteral("real/Tonalink.ini"));
        QDir(dir.path()).mkdir(QStringLiteral("real"));
        std::ofstream(real.toStdString()) << "[Setting]\n";
        QFile::link(real, path());
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7777));
        QFile::setPermissions(real, QFile::Permissions(0x6666));
        QFile::setPermissions(QFileInfo(real).path(), QFile::Permissions(link ? 0x7777 : 0x5555));
        EXPECT_TRUE(test::asUnprivilegedUser([&] {
            QtSettingsStore store(link ? path() : real);
            store.writeInt("Setting", "CommPort", link ? 3 : 4);
            return store.sync();
        }));
        QFile::setPermissions(QFileInfo(real).path(), QFile::Permissions(0x7777));
        EXPECT_TRUE(readFile().contains(link ? "CommPort=3" : "CommPort=4")) << readFile().data();
        EXPECT_TRUE(QFileInfo(path()).isSymLink());
    }
}

TEST_F(QtSettingsStoreTest, MissingFileYieldsTheDefaults) {
    QtSettingsStore store(path());
    Settings settings;
    loadSettings(store, settings);
    EXPECT_EQ(settings.DefaultOffTime, 10);
    EXPECT_EQ(settings.EditExeFile, "NOTEPAD.EXE");
    EXPECT_EQ(settings.Groups[0], kGroup1);
    EXPECT_EQ(settings.Ports[7], "/dev/ttyS7");
    EXPECT_TRUE(settings.UserMsgList.empty());
}

TEST_F(QtSettingsStoreTest, SettingsRoundTripThroughTheFileAsUtf8) {
    Settings settings;
    {
        MemorySettingsStore defaults;
        loadSettings(defaults, settings);
    }
    settings.CommPort = 3;
    settings.Extension = "0,";
    settings.ExtCommand = "ATX3;S7=60";
    settings.Groups[1] = kTesuto;
    settings.CustomCommand2 = "@ByteArray(x)";
    settings.UserMsgList = {kTesuto, "a,b", " padded "};
    settings.Ports[0] = "/dev/ttyACM0";
    settings.CngSpaceSW = -7;
    {
        QtSettingsStore store(path());
        saveSettings(store, settings);
        ASSERT_TRUE(store.sync());
    }
    QByteArray file = readFile();
    EXPECT_TRUE(file.contains("テスト")) << file.constData();
    EXPECT_TRUE(file.contains("Version=3.12")) << file.constData();

    QtSettingsStore store(path());
    Settings back;
    loadSettings(store, back);
    EXPECT_EQ(back, settings);
}

TEST_F(QtSettingsStoreTest, BytesThatAreNotCp932ComeBackUnchanged) {
    const std::string lone = "abc\x82";
    {
        QtSettingsStore store(path());
        store.writeString("Setting", "ExtCommand", lone);
    }
    EXPECT_EQ(QtSettingsStore(path()).readString("Setting", "ExtCommand", "def"), lone);
}

struct HandEdited {
    const char* name;
    const char* line; // under [Setting]
    bool isInt;
    std::string expected;
};

class QtSettingsStoreHandEdited : public QtSettingsStoreTest,
                                  public ::testing::WithParamInterface<HandEdited> {};

TEST_P(QtSettingsStoreHandEdited, ReadsAsDecided) {
    writeFile(QByteArray("[Setting]\n") + GetParam().line + "\n");
    QtSettingsStore store(path());
    if (GetParam().isInt)
        EXPECT_EQ(std::to_string(store.readInt("Setting", "V", -99)), GetParam().expected);
    else
        EXPECT_EQ(store.readString("Setting", "V", "default"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, QtSettingsStoreHandEdited,
    ::testing::Values(HandEdited{"UnquotedTrailingComma", "V=0,", false, "0,"},
                      HandEdited{"UnquotedCommas", "V=a,b,c", false, "a,b,c"},
                      HandEdited{"OnlyAComma", "V=,", false, ","},
                      HandEdited{"QuotedComma", "V=\"0,\"", false, "0,"},
                      HandEdited{"EmptyText", "V=", false, ""},
                      HandEdited{"JapaneseText", "V=テスト", false, kTesuto},
                      HandEdited{"TextOutsideCp932", "V=\xF0\x9F\x98\x80", false, "default"},
                      HandEdited{"InvalidVariant", "V=@Invalid()", false, "default"},
                      HandEdited{"Integer", "V=12", true, "12"},
                      HandEdited{"IntegerWithBlanks", "V=  12  ", true, "12"},
                      HandEdited{"Negative", "V=-3", true, "-3"},
                      HandEdited{"PlusSign", "V=+5", true, "5"},
                      HandEdited{"Letters", "V=abc", true, "-99"},
                      HandEdited{"TrailingLetters", "V=12x", true, "-99"},
                      HandEdited{"BeyondInt32", "V=2147483648", true, "-99"},
                      HandEdited{"Int32Min", "V=-2147483648", true, "-2147483648"},
                      HandEdited{"Huge", "V=99999999999999999999999", true, "-99"},
                      HandEdited{"EmptyInteger", "V=", true, "-99"},
                      HandEdited{"IntegerWithComma", "V=1,2", true, "-99"}),
    [](const auto& info) { return std::string(info.param.name); });
