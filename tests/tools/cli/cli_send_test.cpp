// tonalink-cli send against the modem simulator: the lines, their order and
// their spacing on real time, the log records, and cancelling by signal.
#include "child_process.h"
#include "dtmf_decoder.h"

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <regex>
#include <thread>

using namespace tonalink::test;
namespace fs = std::filesystem;

namespace {

struct Line {
    int64_t ms;
    std::string text;
};

// A small pager type with short waits: WaitTime 1 s, CutTime 0 s, ten digits a part.
const char* const kCallDat = "[Test]\r\n"
                             "FreeStartCmd=7\r\nFreeEndCmd=8\r\nFormStartCmd=9\r\nMsgEndCmd=#\r\n"
                             "MsgCount=10\r\nFreeToSuzi=/\r\nWaitTime=1\r\nCutTime=0\r\n"
                             "MsgCancelCmd=0\r\n"
                             "FormStyleCnt=1\r\nFm000=[01]OK\r\n"
                             "FreeWordCnt=2\r\nFe000=[11]A\r\nFe001=[12]B\r\n"
                             "NumberWordCnt=2\r\nNu000=[1]1\r\nNu001=[2]2\r\n";

class CliSend : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(data.path / "call.dat", std::ios::binary) << kCallDat;
        fs::create_directories(config.path / "QUILLFERN");
        link = (data.path / "modem").string();
        simulator = std::make_unique<ChildProcess>(std::vector<std::string>{
            TONALINK_MODEMSIM_PATH, "--log", (data.path / "lines.jsonl").string(), "--wav",
            (data.path / "line.wav").string(), "--reply", modemReply(), link});
        for (int i = 0; i < 500 && !fs::exists(link); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(fs::exists(link));
    }

    // The simulator's --reply: by default OK to every line, as without one.
    virtual std::string modemReply() const { return "=OK"; }

    void settings(const std::string& ini) {
        std::ofstream(config.path / "QUILLFERN" / "Tonalink.ini") << ini;
    }

    std::unique_ptr<ChildProcess> startSend(std::vector<std::string> args) {
        args.insert(args.begin(), {"--type", "Test", "--call-number", "123"});
        return startCli(std::move(args));
    }

    std::unique_ptr<ChildProcess> startCli(std::vector<std::string> args) {
        args.insert(args.begin(),
                    {TONALINK_CLI_PATH, "--dir", data.path.string(), "send", "--port", link});
        return std::make_unique<ChildProcess>(
            std::move(args),
            std::map<std::string, std::string>{{"XDG_CONFIG_HOME", config.path.string()}});
    }

    std::vector<Line> lines() const {
        std::vector<Line> out;
        std::istringstream in(readWholeFile(data.path / "lines.jsonl"));
        std::regex pattern(R"re(\{"t_ms":(\d+), ?"line":"(.*)"\})re");
        for (std::string row; std::getline(in, row);) {
            std::smatch m;
            if (std::regex_match(row, m, pattern))
                out.push_back({std::stoll(m[1]), m[2]});
        }
        return out;
    }

    // The simulator's log after it has taken `count` lines (at most 5 s).
    std::vector<Line> linesOnceThere(std::size_t count) const {
        std::vector<Line> got = lines();
        for (int i = 0; i < 500 && got.size() < count; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            got = lines();
        }
        return got;
    }

    // Asserts the lines and their spacing (each step's timer starts when the step
    // before ran). A gap seen on a loaded machine comes short by however late the
    // line before it was seen and long by however long the tool waited for a core;
    // the exact schedule is checked on virtual time.
    void expectSchedule(const std::vector<Line>& expected, const char* name) {
        std::vector<Line> got = linesOnceThere(expected.size());
        ASSERT_EQ(got.size(), expected.size()) << name;
        std::vector<int64_t> errors;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, expected[i].text) << name << " line " << i;
            if (i == 0)
                continue;
            int64_t gap = got[i].ms - got[i - 1].ms, planned = expected[i].ms - expected[i - 1].ms;
            errors.push_back(std::abs(gap - planned));
            EXPECT_TRUE(gap >= planned - 300 && gap <= planned + 1500)
                << name << " line " << i << " " << got[i].text << ": " << gap << " ms";
        }
        int64_t drift = (got.back().ms - got.front().ms) - expected.back().ms;
        std::sort(errors.begin(), errors.end());
        std::cout << "[timing] " << name << ": step error median " << errors[errors.size() / 2]
                  << " ms, worst " << errors.back() << " ms; whole send " << drift << " ms late\n";
    }

    std::vector<std::string> logRecords() const {
        std::vector<std::string> records;
        std::istringstream in(readWholeFile(data.path / "bell.log"));
        for (std::string row; std::getline(in, row);)
            records.push_back(row);
        // The three header lines first.
        if (records.size() >= 3) {
            EXPECT_EQ(records[0], "Tonalink with Win32 Message Log file\r");
            EXPECT_EQ(records[1], "Date,Time,CallNo,Name,Type,Message,Command\r");
            EXPECT_EQ(records[2], "\r");
            records.erase(records.begin(), records.begin() + 3);
        }
        for (auto& r : records)
            r = r.substr(18); // drop "yy/mm/dd,hh:mm:ss,"
        return records;
    }

    TempDir data;
    TempDir config;
    std::string link;
    std::unique_ptr<ChildProcess> simulator;
};

constexpr int64_t kFirstDial = 3500;
constexpr int64_t kBetweenParts = 2000 + 2000 + 3500;

} // namespace

TEST_F(CliSend, SplitModeTwoPartsFollowTheSchedule) {
    settings("[Setting]\nPhoneType=1\nDefaultOffTime=1\n");
    auto send = startSend({"AB/12OK"});
    ASSERT_EQ(send->wait(std::chrono::seconds(40)), 0) << send->err();
    // dial, codes WaitTime later, hang-up DefaultOffTime + CutTime later.
    const int64_t d1 = kFirstDial, d2 = d1 + 1000 + 1000 + kBetweenParts;
    expectSchedule({{0, "ATZ0"},
                    {d1, "ATDT123;"},
                    {d1 + 1000, "ATDT071112812#;"},
                    {d1 + 2000, "ATE1V1Q0H0"},
                    {d2, "ATDT123;"},
                    {d2 + 1000, "ATDT0901#;"},
                    {d2 + 2000, "ATE1V1Q0H0"}},
                   "split, two parts");
    EXPECT_EQ(logRecords(), (std::vector<std::string>{"123,,Test,AB/12,\"071112812#\"\r",
                                                      "123,,Test,OK,\"0901#\"\r"}));
    EXPECT_NE(send->err().find("2/2"), std::string::npos);
    EXPECT_NE(send->err().find("送信を終了しました。"), std::string::npos);

    // What a real modem would have put on the line, heard by an independent decoder.
    simulator->signal(SIGINT);
    ASSERT_EQ(simulator->wait(std::chrono::seconds(5)), 0);
    std::optional<std::string> digits = decodeDtmfWav(data.path / "line.wav");
    if (!digits)
        GTEST_SKIP() << "multimon-ng is not installed";
    EXPECT_EQ(*digits, "123"
                       "071112812#"
                       "123"
                       "0901#");
}

TEST_F(CliSend, NonSplitModeHoldsForTheCodeLength) {
    settings("[Setting]\nPhoneType=0\nModemSw=1\nDefaultOffTime=9\n");
    auto send = startSend({"--mode", "3", "12"});
    ASSERT_EQ(send->wait(std::chrono::seconds(40)), 0) << send->err();
    // Codes in the dial line after 1 + WaitTime/2 commas and DT on a pulse line;
    // hang-up after (code length 3 + WaitTime 1 + CutTime 0) s, DefaultOffTime unused.
    expectSchedule(
        {{0, "ATZ0"}, {kFirstDial, "ATDP123,DT012#;"}, {kFirstDial + 4000, "ATE1V1Q0H0"}},
        "non-split, one part");
    EXPECT_EQ(logRecords(), (std::vector<std::string>{"123,,Test,12,\"012#\"\r"}));
}

TEST_F(CliSend, ThreePartsGoOutInReverseWithMsgSendC) {
    settings("[Setting]\nPhoneType=1\nDefaultOffTime=1\n[Service]\nMsgSendC=1\n");
    auto send = startSend({"--mode", "3",
                           "1234567890"
                           "1234567890"
                           "12345"});
    ASSERT_EQ(send->wait(std::chrono::seconds(60)), 0) << send->err();
    std::vector<Line> expected{{0, "ATZ0"}};
    const char* codes[] = {"ATDT012345#;", "ATDT01234567890#;", "ATDT01234567890#;"};
    for (int k = 0; k < 3; ++k) {
        int64_t dial = kFirstDial + k * (2000 + kBetweenParts);
        expected.push_back({dial, "ATDT123;"});
        expected.push_back({dial + 1000, codes[k]});
        expected.push_back({dial + 2000, "ATE1V1Q0H0"});
    }
    expectSchedule(expected, "split, three parts reversed");
    EXPECT_EQ(logRecords(), (std::vector<std::string>{"123,,Test,12345,\"012345#\"\r",
                                                      "123,,Test,1234567890,\"01234567890#\"\r",
                                                      "123,,Test,1234567890,\"01234567890#\"\r"}));
    std::string progress = send->err();
    EXPECT_LT(progress.find("3/3"), progress.find("2/3"));
    EXPECT_LT(progress.find("2/3"), progress.find("1/3"));
}

TEST_F(CliSend, SignalCancelsWithOneHangUpAndNoRecordForThePartInFlight) {
    settings("[Setting]\nPhoneType=1\nDefaultOffTime=5\n");
    auto send = startSend({"AB"});
    ASSERT_EQ(linesOnceThere(2).size(), 2u) << "no dial line";
    send->signal(SIGINT);
    EXPECT_EQ(send->wait(std::chrono::seconds(10)), 4);
    std::vector<Line> got = linesOnceThere(3);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[2].text, "ATE1V1Q0H0");
    EXPECT_TRUE(logRecords().empty());
    EXPECT_NE(send->err().find("送信をキャンセルしました。"), std::string::npos);
}

TEST_F(CliSend, AnUnsendableMessageDialsNothing) {
    settings("[Setting]\nPhoneType=1\n");
    auto send = startSend({"AZ"});
    EXPECT_EQ(send->wait(std::chrono::seconds(10)), 1);
    std::vector<Line> got = linesOnceThere(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text, "ATZ0");
}

TEST_F(CliSend, GroupCallsItsMembersInFileOrderWithOneRecordEach) {
    settings("[Setting]\nPhoneType=1\nDefaultOffTime=1\n");
    std::ofstream(data.path / "maddress.dat", std::ios::binary)
        << "[M1]\r\nPbType=Test\r\nPbCallNo=101\r\nMsgGroup=1\r\n"
           "[X]\r\nPbType=Test\r\nPbCallNo=300\r\nMsgGroup=3\r\n"
           "[M2]\r\nPbType=Test\r\nPbCallNo=102\r\nMsgGroup=1\r\n"
           "[N]\r\nPbType=Test\r\nPbCallNo=400\r\n"
           "[M3]\r\nPbType=Test\r\nPbCallNo=103\r\nMsgGroup=1\r\n";
    auto send = startCli({"--group", "1", "--mode", "3", "12"});
    ASSERT_EQ(send->wait(std::chrono::seconds(60)), 0) << send->err();
    EXPECT_EQ(send->out(), "M1\tsent\nM2\tsent\nM3\tsent\n");
    // Each member is one call: dial, codes WaitTime later, hang-up DefaultOffTime
    // later, then 2 s until the call ends and the next member's 3.5 s to its dial.
    constexpr int64_t kMember = kFirstDial + 2000 + 2000;
    std::vector<Line> expected{{0, "ATZ0"}};
    for (int64_t n = 0; n < 3; ++n) {
        const int64_t dial = kFirstDial + n * kMember;
        expected.push_back({dial, "ATDT10" + std::to_string(n + 1) + ";"});
        expected.push_back({dial + 1000, "ATDT012#;"});
        expected.push_back({dial + 2000, "ATE1V1Q0H0"});
    }
    expectSchedule(expected, "broadcast, three one-part members");
    EXPECT_EQ(logRecords(),
              (std::vector<std::string>{"101,M1,Test,12,\"012#\"\r", "102,M2,Test,12,\"012#\"\r",
                                        "103,M3,Test,12,\"012#\"\r"}));
}

TEST_F(CliSend, AtWaitsForTheTimeOfDayAndASignalEndsTheWait) {
    settings("[Setting]\nPhoneType=1\nDefaultOffTime=1\n");
    const auto hhmm = [](int minutesFromNow) {
        std::time_t t = std::time(nullptr) + minutesFromNow * 60;
        std::tm local{};
        localtime_r(&t, &local);
        return std::to_string(local.tm_hour) + ":" + std::to_string(local.tm_min);
    };
    // A minute just passed comes round tomorrow: the tool waits until the signal.
    auto waiting = startSend({"--at", hhmm(-1), "12"});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    waiting->signal(SIGTERM);
    EXPECT_EQ(waiting->wait(std::chrono::seconds(10)), 4);
    EXPECT_NE(waiting->err().find("waiting for"), std::string::npos) << waiting->err();
    ASSERT_EQ(linesOnceThere(1).size(), 1u);

    // The minute under way: sent at once (not at a minute's turn, which would wait a day).
    if (std::time(nullptr) % 60 >= 55)
        std::this_thread::sleep_for(std::chrono::seconds(6));
    auto now = startSend({"--at", hhmm(0), "--mode", "3", "12"});
    ASSERT_EQ(now->wait(std::chrono::seconds(30)), 0) << now->err();
    EXPECT_EQ(logRecords(), (std::vector<std::string>{"123,,Test,12,\"012#\"\r"}));
}

struct ReplyCase {
    const char* name;
    std::string reply, message; // the simulator's --reply, the message sent
    std::vector<Line> lines;
    int exitCode;
    std::string said; // on stderr
    std::vector<std::string> records;
};

class CliModemReplies : public CliSend, public testing::WithParamInterface<ReplyCase> {
    std::string modemReply() const override { return GetParam().reply; }
};

TEST_P(CliModemReplies, EndThePartAsALineFailureOrOnlyWarn) {
    const ReplyCase& c = GetParam();
    settings("[Setting]\nPhoneType=1\nDefaultOffTime=1\n");
    auto send = startSend({c.message});
    ASSERT_EQ(send->wait(std::chrono::seconds(40)), c.exitCode) << send->err();
    expectSchedule(c.lines, c.name);
    EXPECT_NE(send->err().find(c.said), std::string::npos) << send->err();
    EXPECT_EQ(logRecords(), c.records);
}

const std::string kFailed = "tonalink-cli: the line failed during the call: ",
                  kCancelled = "\n送信をキャンセルしました。\n";
const int64_t d1 = kFirstDial, d2 = d1 + 2000 + kBetweenParts;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Simulator, CliModemReplies, testing::Values(
    ReplyCase{"Busy", "ATDT123=BUSY", "AB", {{0, "ATZ0"}, {d1, "ATDT123;"}, {d1, "ATE1V1Q0H0"}},
              3, kFailed + "BUSY" + kCancelled, {}},
    ReplyCase{"NoDialtone", "ATD=NO DIALTONE", "AB", {{0, "ATZ0"}, {d1, "ATDT123;"},
              {d1, "ATE1V1Q0H0"}}, 3, kFailed + "NO DIALTONE" + kCancelled, {}},
    // The first part went out and stays logged.
    ReplyCase{"NoCarrierOnPart2", "ATDT0901#=NO CARRIER", "AB/12OK", {{0, "ATZ0"},
              {d1, "ATDT123;"}, {d1 + 1000, "ATDT071112812#;"}, {d1 + 2000, "ATE1V1Q0H0"},
              {d2, "ATDT123;"}, {d2 + 1000, "ATDT0901#;"}, {d2 + 1000, "ATE1V1Q0H0"}},
              3, kFailed + "NO CARRIER" + kCancelled, {"123,,Test,AB/12,\"071112812#\"\r"}},
    // Said, and the send goes on blind.
    ReplyCase{"Silent", "=", "AB", {{0, "ATZ0"}, {d1, "ATDT123;"}, {d1 + 1000, "ATDT071112#;"},
              {d1 + 2000, "ATE1V1Q0H0"}}, 0, "モデムが応答しません\n", {"123,,Test,AB,\"071112#\"\r"}}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });
// clang-format on
