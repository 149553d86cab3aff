#include "core/app/settings_model.h"
#include "recording_settings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tonalink;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using tonalink::testing::RecordingSettingsStore;

namespace {

// "ｸﾞﾙｰﾌﾟ" in CP932.
const std::string kGroup = "\xB8\xDE\xD9\xB0\xCC\xDF";

Settings loaded(SettingsStore& store) {
    Settings settings;
    loadSettings(store, settings);
    return settings;
}

std::vector<std::string> userListCalls(const std::string& prefix,
                                       const std::vector<std::string>& values = {}) {
    const char* keys[] = {"userlist 0", "userlist 1", "userlist 2", "userlist 3", "userlist 4",
                          "userlist 5", "userlist 6", "userlist 7", "userlist 8", "userlist 9",
                          "userlist10", "userlist11", "userlist12", "userlist13", "userlist14",
                          "userlist15", "userlist16", "userlist17", "userlist18", "userlist19"};
    std::vector<std::string> calls;
    for (std::size_t i = 0; i < std::size(keys); ++i)
        calls.push_back(prefix + "UserMsgList/" + keys[i] +
                        (values.empty() ? "" : "=" + (i < values.size() ? values[i] : "")));
    return calls;
}

} // namespace

TEST(SettingsModel, FreshStoreYieldsTheDefaults) {
    MemorySettingsStore store;
    Settings expected;
    expected.DefaultOffTime = 10;
    expected.ReDialTime = 2;
    expected.Groups = {kGroup + "1", kGroup + "2", kGroup + "3", kGroup + "4"};
    expected.EditExeFile = "NOTEPAD.EXE";
    expected.Ports = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3",
                      "/dev/ttyS4", "/dev/ttyS5", "/dev/ttyS6", "/dev/ttyS7"};
    EXPECT_EQ(loaded(store), expected);
}

TEST(SettingsModel, ReadsEveryValueOnceInTheStoredOrder) {
    RecordingSettingsStore store;
    Settings settings;
    loadSettings(store, settings);
    std::vector<std::string> expected = {
        "read Setting/CommPort",       "read Setting/PhoneType",      "read Setting/ExtCommand",
        "read Setting/CKExtension",    "read Setting/Extension",      "read Setting/DefaultOffTime",
        "read Setting/ReDialTime",     "read Setting/ModemSw",        "read Setting/KeitaiSw",
        "read PreContract/AppEnd",     "read PreContract/Hour",       "read PreContract/Minuth",
        "read PreContract/SaveTime",   "read AddressList/Group1",     "read AddressList/Group2",
        "read AddressList/Group3",     "read AddressList/Group4",     "read Service/EditExeFile",
        "read Service/DispMessage",    "read Service/Reservation",    "read Service/MsgSendC",
        "read Service/CngSpaceSW",     "read Service/ShoutCutEnd",    "read Service/PbEditExe",
        "read Service/CustomCommand1", "read Service/CustomCommand2", "read Service/CustomCommand3",
    };
    for (const auto& call : userListCalls("read "))
        expected.push_back(call);
    for (const char* port : {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"})
        expected.push_back(std::string("read Ports/") + port);
    EXPECT_THAT(store.calls, ElementsAreArray(expected));
}

TEST(SettingsModel, WritesEveryValueInTheSavingOrder) {
    Settings settings;
    settings.CommPort = 1;
    settings.PhoneType = 2;
    settings.ExtCommand = "ATX3";
    settings.CKExtension = 3;
    settings.Extension = "0,";
    settings.DefaultOffTime = 4;
    settings.ReDialTime = 5;
    settings.ModemSw = 6;
    settings.KeitaiSw = 7;
    settings.AppEnd = 8;
    settings.Hour = 9;
    settings.Minuth = 10;
    settings.SaveTime = 11;
    settings.Groups = {"g1", "g2", "g3", "g4"};
    settings.EditExeFile = "gedit";
    settings.DispMessage = 12;
    settings.Reservation = 13;
    settings.MsgSendC = 14;
    settings.CngSpaceSW = 15;
    settings.ShoutCutEnd = 16;
    settings.PbEditExe = 17;
    settings.CustomCommand1 = "c1";
    settings.CustomCommand2 = "c2";
    settings.CustomCommand3 = "c3";
    settings.UserMsgList = {"first", "second"};
    settings.Ports = {"p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8"};
    RecordingSettingsStore store;
    saveSettings(store, settings);

    std::vector<std::string> expected = {
        "write Application/Version=3.12",  "write Setting/CommPort=1",
        "write Setting/PhoneType=2",       "write Setting/ExtCommand=ATX3",
        "write Setting/CKExtension=3",     "write Setting/Extension=0,",
        "write Setting/DefaultOffTime=4",  "write Setting/ReDialTime=5",
        "write Setting/ModemSw=6",         "write Setting/KeitaiSw=7",
        "write Service/EditExeFile=gedit", "write Service/DispMessage=12",
        "write Service/Reservation=13",    "write Service/MsgSendC=14",
        "write Service/ShoutCutEnd=16",    "write Service/CustomCommand1=c1",
        "write Service/CustomCommand2=c2", "write Service/CustomCommand3=c3",
        "write PreContract/AppEnd=8",      "write PreContract/Hour=9",
        "write PreContract/Minuth=10",     "write PreContract/SaveTime=11",
        "write Service/CngSpaceSW=15",     "write Service/PbEditExe=17",
        "write AddressList/Group1=g1",     "write AddressList/Group2=g2",
        "write AddressList/Group3=g3",     "write AddressList/Group4=g4",
    };
    for (const auto& call : userListCalls("write ", {"first", "second"}))
        expected.push_back(call);
    for (int i = 1; i <= 8; ++i)
        expected.push_back("write Ports/COM" + std::to_string(i) + "=p" + std::to_string(i));
    EXPECT_THAT(store.calls, ElementsAreArray(expected));
}

TEST(SettingsModel, EmptyMessageSlotsCloseUpAndAreWrittenBackEmpty) {
    MemorySettingsStore store;
    store.writeString("UserMsgList", "userlist 0", "");
    store.writeString("UserMsgList", "userlist 1", "abc");
    store.writeString("UserMsgList", "userlist 5", "five");
    store.writeString("UserMsgList", "userlist15", "fifteen");
    Settings settings = loaded(store);
    EXPECT_THAT(settings.UserMsgList, ElementsAre("abc", "five", "fifteen"));

    RecordingSettingsStore saved;
    saveSettings(saved, settings);
    std::vector<std::string> writes;
    for (const auto& call : saved.calls)
        if (call.starts_with("write UserMsgList/"))
            writes.push_back(call);
    EXPECT_THAT(writes, ElementsAreArray(userListCalls("write ", {"abc", "five", "fifteen"})));
}

TEST(SettingsModel, EntriesPastTheTwentiethAreNotSaved) {
    Settings settings;
    for (int i = 0; i < 22; ++i)
        settings.UserMsgList.push_back("m" + std::to_string(i));
    MemorySettingsStore store;
    saveSettings(store, settings);
    EXPECT_EQ(store.readString("UserMsgList", "userlist19", "?"), "m19");
    EXPECT_EQ(store.readString("UserMsgList", "userlist20", "none"), "none");
    EXPECT_EQ(loaded(store).UserMsgList.size(), 20u);
}

TEST(SettingsModel, SlotKeysPadTheNumberToTwoPlaces) {
    EXPECT_EQ(userMsgListKey(0), "userlist 0");
    EXPECT_EQ(userMsgListKey(5), "userlist 5");
    EXPECT_EQ(userMsgListKey(15), "userlist15");
}

TEST(SettingsModel, UnusedSwitchSurvivesARunAndTheVersionIsAlwaysStamped) {
    MemorySettingsStore store;
    store.writeInt("Service", "CngSpaceSW", 7);
    store.writeString("Application", "Version", "9.99");
    saveSettings(store, loaded(store));
    EXPECT_EQ(store.readInt("Service", "CngSpaceSW", 0), 7);
    EXPECT_EQ(store.readString("Application", "Version", ""), "3.12");
}

TEST(SettingsModel, StoredValuesComeBackUnchangedWithoutValidation) {
    MemorySettingsStore store;
    store.writeInt("Setting", "CommPort", 42);
    store.writeInt("Setting", "ReDialTime", -1);
    store.writeString("AddressList", "Group3", "");
    store.writeString("Ports", "COM1", "/dev/ttyACM0");
    Settings settings = loaded(store);
    EXPECT_EQ(settings.CommPort, 42);
    EXPECT_EQ(settings.ReDialTime, -1);
    EXPECT_EQ(settings.Groups[2], "");
    EXPECT_EQ(settings.Ports[0], "/dev/ttyACM0");
    MemorySettingsStore again;
    saveSettings(again, settings);
    EXPECT_EQ(loaded(again), settings);
}

TEST(SettingsStore, BarSetDefaultsToVisibleAndRoundTrips) {
    MemorySettingsStore store;
    EXPECT_EQ(store.readBarSet().ToolBar, 1);
    EXPECT_EQ(store.readBarSet().StatusBar, 1);
    store.writeBarSet({0, 1});
    EXPECT_EQ(store.readInt("BarSet", "ToolBar", -1), 0);
    EXPECT_EQ(store.readInt("BarSet", "StatusBar", -1), 1);
    EXPECT_EQ(store.readBarSet().ToolBar, 0);
}
