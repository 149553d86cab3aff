// tonalink-cli send over a SIP line to the loopback paging centre: the digits
// each call carried and the calls' spacing on real time.
#include "child_process.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <regex>
#include <thread>
#include <unistd.h>

using namespace tonalink::test;
namespace fs = std::filesystem;

namespace {

// WaitTime 1 s, CutTime 0 s, ten digits a part; the file's lines end in CR LF.
std::string callDat() {
    const std::string lines[] = {
        "[Sip]",           "FreeStartCmd=5", "FreeEndCmd=6",  "FormStartCmd=4", "MsgEndCmd=#",
        "MsgCount=10",     "FreeToSuzi=/",   "WaitTime=1",    "CutTime=0",      "MsgCancelCmd=0",
        "FormStyleCnt=1",  "Fm000=[01]OK",   "FreeWordCnt=2", "Fe000=[13]A",    "Fe001=[14]B",
        "NumberWordCnt=2", "Nu000=[1]1",     "Nu001=[2]2"};
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

struct Record {
    std::string event, call, digit;
    int64_t ms = 0;
};

std::string field(const std::string& row, const std::string& key) {
    std::smatch m;
    const std::regex pattern("\"" + key + "\":\"?([^\",}]*)");
    return std::regex_search(row, m, pattern) ? m[1].str() : std::string();
}

std::vector<Record> records(const fs::path& path) {
    std::vector<Record> out;
    std::istringstream in(readWholeFile(path));
    for (std::string row; std::getline(in, row);)
        out.push_back({field(row, "event"), field(row, "call"), field(row, "digit"),
                       std::stoll("0" + field(row, "t_ms"))});
    return out;
}

bool baresipInstalled() {
    return std::system("command -v baresip >/dev/null 2>&1") == 0;
}

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

TEST(SipSend, TwoPartsReachTheCentreOnSchedule) {
    if (!baresipInstalled())
        GTEST_SKIP() << "baresip (Debian package baresip-core) is not installed";
    TempDir data, config;
    std::ofstream(data.path / "call.dat", std::ios::binary) << callDat();
    fs::create_directories(config.path / "QUILLFERN");
    const std::string port = std::to_string(20000 + (getpid() % 10000) * 2);
    // Hold 3 s: ten digits take about 1.9 s to play.
    std::ofstream(config.path / "QUILLFERN" / "Tonalink.ini")
        << "[Setting]\nPhoneType=1\nDefaultOffTime=3\n[Ports]\nCOM1=sip:127.0.0.1:" << port << "\n";
    const fs::path log = data.path / "centre.jsonl";
    ChildProcess centre({TONALINK_SIPCENTRE_PATH, "--port", port, "--log", log.string(), "123"});
    for (int i = 0; i < 500 && records(log).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_FALSE(records(log).empty()) << "the centre did not come up";

    const int64_t started = nowMs();
    ChildProcess send({TONALINK_CLI_PATH, "--dir", data.path.string(), "send", "--type", "Sip",
                       "--call-number", "123", "AB/12OK"},
                      {{"XDG_CONFIG_HOME", config.path.string()}});
    ASSERT_EQ(send.wait(std::chrono::seconds(60)), 0) << send.err();
    // Ended as a user would, so it ends its baresip and removes its configuration.
    centre.signal(SIGTERM);
    EXPECT_EQ(centre.wait(std::chrono::seconds(5)), 0);

    // Per call, in order: when it came, was answered and closed, and its digits.
    struct Call {
        int64_t came = 0, answered = 0, closed = 0;
        std::string digits;
        std::vector<int64_t> digitTimes;
    };
    std::vector<Call> calls;
    std::map<std::string, std::size_t> index;
    for (const Record& r : records(log)) {
        if (r.event == "call") {
            index[r.call] = calls.size();
            calls.emplace_back().came = r.ms;
        } else if (index.count(r.call)) {
            Call& c = calls[index[r.call]];
            if (r.event == "answered")
                c.answered = r.ms;
            else if (r.event == "closed")
                c.closed = r.ms;
            else if (r.event == "digit")
                c.digits += r.digit, c.digitTimes.push_back(r.ms);
        }
    }
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].digits, "051314612#");
    EXPECT_EQ(calls[1].digits, "0401#");

    // Dial 3.5 s after the start; codes WaitTime 1 s later; hang-up 3 s after the
    // codes; the next dial 2 + 2 + 3.5 s after the hang-up.
    const int64_t expectedGaps[] = {1000, 3000, 7500};
    std::vector<int64_t> errors;
    for (std::size_t k = 0; k < calls.size(); ++k) {
        const Call& c = calls[k];
        const int64_t gaps[] = {c.digitTimes.front() - c.came, c.closed - c.digitTimes.front(),
                                k + 1 < calls.size() ? calls[k + 1].came - c.closed : 7500};
        for (int g = 0; g < 3; ++g) {
            // As the modem's steps on real time (see cli_send_test.cpp).
            EXPECT_TRUE(gaps[g] >= expectedGaps[g] - 300 && gaps[g] <= expectedGaps[g] + 1500)
                << "call " << k << " step " << g << ": " << gaps[g] << " ms";
            errors.push_back(std::abs(gaps[g] - expectedGaps[g]));
        }
    }
    std::vector<int64_t> spacing;
    for (const Call& c : calls)
        for (std::size_t i = 1; i < c.digitTimes.size(); ++i)
            spacing.push_back(c.digitTimes[i] - c.digitTimes[i - 1]);
    std::sort(spacing.begin(), spacing.end());
    std::sort(errors.begin(), errors.end());
    const int64_t expectedLength = 1000 + 3000 + 7500 + 1000 + 3000;
    std::cout << "[sip] dial line to answered: " << calls[0].answered - (started + 3500)
              << " ms after the due dial (process start included), "
              << calls[1].answered - calls[1].came << " ms call to answer\n"
              << "[sip] digit spacing min " << spacing.front() << " median "
              << spacing[spacing.size() / 2] << " max " << spacing.back() << " ms\n"
              << "[sip] step error median " << errors[errors.size() / 2] << " worst "
              << errors.back() << " ms; whole send "
              << (calls.back().closed - calls.front().came) - expectedLength << " ms late\n";
}
