// The window and the tool send through one job: the same message to the same
// callee gives the same bell.log records, byte for byte but for date and time.
#include "child_process.h"
#include "core/app/program_state.h"
#include "platform/serial_port.h"
#include "pty_pair.h"
#include "recording_message_boxes.h"
#include "test_timers.h"
#include "ui/form/form_ids.h"
#include "ui/form/tonalink_view.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/dialog_units.h"

#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace tonalink;
using namespace tonalink::test;
namespace fs = std::filesystem;

namespace {

// No waits, ten digits a part; the callee's name and the message hold commas.
const char* const kCallDat = "[Test]\r\nFreeStartCmd=7\r\nFreeEndCmd=8\r\nMsgEndCmd=#\r\n"
                             "MsgCount=10\r\nWaitTime=0\r\nCutTime=0\r\nMsgCancelCmd=0\r\n"
                             "FreeWordCnt=3\r\nFe000=[11]A\r\nFe001=[12]B\r\nFe002=[13],\r\n";
const char* const kAddressDat = "[Yamada, Taro]\r\nPbType=test\r\nPbCallNo=0312345678\r\n";
const char* const kMessage = "AB,AB,AB";

void writeDataFiles(const fs::path& dir) {
    std::ofstream(dir / "call.dat", std::ios::binary) << kCallDat;
    std::ofstream(dir / "maddress.dat", std::ios::binary) << kAddressDat;
}

// The records of bell.log with the date and time columns cut off.
std::vector<std::string> recordsWithoutTime(const fs::path& dir) {
    std::istringstream in(readWholeFile(dir / "bell.log"));
    std::vector<std::string> records;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        if (++lineNumber <= 3)
            continue;
        const std::size_t afterTime = line.find(',', line.find(',') + 1);
        records.push_back(afterTime == std::string::npos ? line : line.substr(afterTime + 1));
    }
    return records;
}

} // namespace

TEST(SameRecordsTest, WindowAndToolLogTheSameSendIdentically) {
    TempDir windowDir, toolDir, config;
    writeDataFiles(windowDir.path);
    writeDataFiles(toolDir.path);
    const std::string name = "Yamada, Taro";

    // The window: the entry picked from the phone book, the message typed, Send.
    {
        PtyPair modem;
        ASSERT_TRUE(modem.ok());
        SerialPort port{[](const QString&) {}};
        std::array<std::string, 8> devices{modem.slavePath()};
        ASSERT_EQ(port.open(0, devices), 1);
        ProgramState state(windowDir.path.string(), windowDir.path.string());
        CommandDispatcher commands;
        TestTimerFactory timers;
        CTonalinkView view(state, port, commands, timers.factory());
        view.show();
        view.OnInitialUpdate();
        ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
        ASSERT_TRUE(state.phoneBook.LocatePhoneBook());
        view.ApplyPhoneBookEntry(name);
        state.phoneBook.PbEntryName = name;
        qobject_cast<QPlainTextEdit*>(GetDlgItem(&view, form_id::kMessage))
            ->setPlainText(QString::fromLatin1(kMessage));
        messageBoxes().shown.clear();
        view.OnSend();
        ASSERT_EQ(messageBoxes().shown.size(), 1u);
        EXPECT_EQ(messageBoxes().shown[0].text, QStringLiteral("送信を終了しました。"));
        ASSERT_TRUE(state.sendLog.FlushLog());
    }

    // The tool, on its own modem and settings of no delay.
    PtyPair modem;
    ASSERT_TRUE(modem.ok());
    fs::create_directories(config.path / "QUILLFERN");
    std::ofstream(config.path / "QUILLFERN" / "Tonalink.ini") << "[Setting]\nDefaultOffTime=0\n";
    const RunResult tool = run({TONALINK_CLI_PATH, "--dir", toolDir.path.string(), "send",
                                "--entry", name, "--port", modem.slavePath(), kMessage},
                               {{"XDG_CONFIG_HOME", config.path.string()}});
    ASSERT_EQ(tool.exitCode, 0) << tool.err;

    const std::vector<std::string> window = recordsWithoutTime(windowDir.path);
    EXPECT_EQ(window.size(), 2u);
    EXPECT_EQ(recordsWithoutTime(toolDir.path), window);
    EXPECT_EQ(window.at(0), "0312345678,\"Yamada, Taro\",test,\"AB,A\",\"0711121311#\"\r");
}
