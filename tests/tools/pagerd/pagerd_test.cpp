// tonalink-pagerd as a process between real SNPP clients (Perl Net::SNPP,
// HylaFAX sendpage, our own tool) and the modem simulator: pages reach the line
// and bell.log once each, also across kill -9, and the line has one owner.
#include "child_process.h"

#include <csignal>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <thread>

using namespace tonalink::test;
namespace fs = std::filesystem;

namespace {

// WaitTime 1 s, CutTime 0 s, ten digits a part; all three callees in group 1.
const char* const kCallDat = "[Test]\r\nFreeStartCmd=7\r\nFreeEndCmd=8\r\nFormStartCmd=9\r\n"
                             "MsgEndCmd=#\r\nMsgCount=10\r\nFreeToSuzi=/\r\nWaitTime=1\r\n"
                             "CutTime=0\r\nMsgCancelCmd=0\r\nFormStyleCnt=1\r\nFm000=[01]OK\r\n"
                             "FreeWordCnt=2\r\nFe000=[11]A\r\nFe001=[12]B\r\n"
                             "NumberWordCnt=2\r\nNu000=[1]1\r\nNu001=[2]2\r\n";
const char* const kBook = "[Ann]\r\nPbType=Test\r\nPbCallNo=111\r\nMsgGroup=1\r\n"
                          "[Bob]\r\nPbType=Test\r\nPbCallNo=222\r\nMsgGroup=1\r\n"
                          "[Cat]\r\nPbType=Test\r\nPbCallNo=333\r\nMsgGroup=1\r\n";

bool waitFor(const std::function<bool()>& done, int seconds) {
    for (int i = 0; i < seconds * 100; ++i) {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

std::vector<std::string> rows(const fs::path& path) {
    std::istringstream in(readWholeFile(path));
    std::vector<std::string> out;
    for (std::string row; std::getline(in, row);)
        out.push_back(row);
    return out;
}

class Pagerd : public ::testing::Test {
protected:
    void SetUp() override {
        data.write("call.dat", kCallDat);
        data.write("maddress.dat", kBook);
        fs::create_directories(config.path / "QUILLFERN");
        config.write("QUILLFERN/Tonalink.ini", "[Setting]\nPhoneType=1\nDefaultOffTime=0\n");
        link = data.file("modem");
        simulator = std::make_unique<ChildProcess>(std::vector<std::string>{
            TONALINK_MODEMSIM_PATH, "--log", data.file("lines.jsonl"), link});
        ASSERT_TRUE(waitFor([&] { return fs::exists(link); }, 5));
    }

    std::map<std::string, std::string> env() const {
        return {{"XDG_CONFIG_HOME", config.path.string()}};
    }

    void startDaemon() {
        daemon = std::make_unique<ChildProcess>(
            std::vector<std::string>{TONALINK_PAGERD_PATH, "--dir", data.path.string(), "--listen",
                                     "127.0.0.1:0", "--port", link},
            env());
        const std::string mark = "listening on 127.0.0.1:";
        ASSERT_TRUE(waitFor([&] { return daemon->err().find(mark) != std::string::npos; }, 10))
            << daemon->err();
        const std::string err = daemon->err();
        via = "127.0.0.1:" + std::to_string(std::stoi(err.substr(err.find(mark) + mark.size())));
    }

    RunResult cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {TONALINK_CLI_PATH, "--dir", data.path.string()});
        return run(std::move(args), env());
    }

    // bell.log's records without their date and time.
    std::vector<std::string> records() const {
        std::vector<std::string> out;
        for (const std::string& row : rows(data.path / "bell.log")) {
            if (row.size() > 18 && row[2] == '/')
                out.push_back(row.substr(18));
        }
        return out;
    }

    std::size_t linesSent(const std::string& line) const {
        const std::vector<std::string> all = rows(data.path / "lines.jsonl");
        return std::count_if(all.begin(), all.end(), [&](const std::string& row) {
            return row.find("\"line\":\"" + line + "\"") != std::string::npos;
        });
    }

    TempDir data;
    TempDir config;
    std::string link;
    std::string via;
    std::unique_ptr<ChildProcess> simulator;
    std::unique_ptr<ChildProcess> daemon;
};

TEST_F(Pagerd, NetSnppAndSendpageAtOncePageReachesLineAndLogOnceEach) {
    startDaemon();
    // Net::SNPP holds its connection open over sendpage's whole submission.
    ChildProcess perl({"/usr/bin/perl", "-MNet::SNPP", "-e",
                       "my $s = Net::SNPP->new('127.0.0.1', Port => " + via.substr(10) +
                           ", Timeout => 10) or die; $s->pager_id('ann') or die; sleep 1; "
                           "$s->send(Message => 'AB') or die $s->message; print $s->message; "
                           "$s->quit;"});
    const RunResult sendpage = run({"/usr/bin/sendpage", "-h", via, "-p", "Bob", "AB"});
    EXPECT_EQ(sendpage.exitCode, 0) << sendpage.err;
    ASSERT_EQ(perl.wait(std::chrono::seconds(15)), 0) << perl.err();
    EXPECT_EQ(perl.out(), "Message Queued Successfully, job 2\n");
    ASSERT_TRUE(waitFor([&] { return records().size() == 2; }, 40)) << daemon->err();
    EXPECT_EQ(records(), (std::vector<std::string>{"222,Bob,Test,AB,\"071112#\"\r",
                                                   "111,Ann,Test,AB,\"071112#\"\r"}));
    EXPECT_EQ(linesSent("ATDT222;"), 1u);
    EXPECT_EQ(linesSent("ATDT111;"), 1u);
    EXPECT_EQ(linesSent("ATDT071112#;"), 2u);
}

TEST_F(Pagerd, KilledMidMemberAndBetweenMembersEveryPartGoesOutOnce) {
    startDaemon();
    const RunResult queued = cli({"send", "--via", via, "--group", "1", "AB/12OK"});
    ASSERT_EQ(queued.exitCode, 0) << queued.err;
    EXPECT_EQ(queued.out, "Message Queued Successfully, job 1\n");
    // Ann's first part is recorded (in the journal); her second is not yet dialled.
    ASSERT_TRUE(waitFor([&] { return rows(data.path / "bell.log.journal").size() == 1; }, 20));
    daemon->signal(SIGKILL);
    ASSERT_EQ(daemon->wait(std::chrono::seconds(5)), 128 + SIGKILL);
    startDaemon();
    // Ann is done; Bob's call has not begun.
    ASSERT_TRUE(waitFor([&] { return records().size() == 2; }, 30)) << daemon->err();
    daemon->signal(SIGKILL);
    ASSERT_EQ(daemon->wait(std::chrono::seconds(5)), 128 + SIGKILL);
    startDaemon();
    ASSERT_TRUE(waitFor([&] { return records().size() == 6; }, 60)) << daemon->err();
    std::vector<std::string> expected;
    for (const char* callee : {"111,Ann", "222,Bob", "333,Cat"}) {
        expected.push_back(std::string(callee) + ",Test,AB/12,\"071112812#\"\r");
        expected.push_back(std::string(callee) + ",Test,OK,\"0901#\"\r");
    }
    EXPECT_EQ(records(), expected);
    for (const char* line : {"ATDT111;", "ATDT222;", "ATDT333;"})
        EXPECT_EQ(linesSent(line), 2u) << line;
    EXPECT_EQ(linesSent("ATDT071112812#;"), 3u);
    EXPECT_EQ(linesSent("ATDT0901#;"), 3u);
    const RunResult status = cli({"queue", "--json"});
    EXPECT_EQ(
        status.out,
        "{\"job\":1,\"recipient\":\"Ann\",\"state\":\"sent\",\"tries\":1,\"last_failure\":\"\"}\n"
        "{\"job\":1,\"recipient\":\"Bob\",\"state\":\"sent\",\"tries\":1,\"last_failure\":\"\"}\n"
        "{\"job\":1,\"recipient\":\"Cat\",\"state\":\"sent\",\"tries\":1,\"last_failure\":\"\"}\n");
}

TEST_F(Pagerd, TheLineHasOneOwnerAndTheToolSeesTheQueue) {
    startDaemon();
    const RunResult direct = cli({"send", "--port", link, "--entry", "Ann", "AB"});
    EXPECT_EQ(direct.exitCode, 3);
    EXPECT_NE(direct.err.find("が使用中です。"), std::string::npos) << direct.err;
    EXPECT_NE(direct.err.find("/LCK..pts_"), std::string::npos) << direct.err;

    // Held until this minute comes round tomorrow, then cancelled.
    const std::time_t now = std::time(nullptr);
    char minute[8];
    std::strftime(minute, sizeof minute, "%H:%M", std::localtime(&now));
    ASSERT_EQ(cli({"send", "--via", via, "--entry", "bob", "--at", minute, "AB"}).exitCode, 0);
    const std::regex time(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    EXPECT_EQ(std::regex_replace(cli({"queue"}).out, time, "TIME"),
              "JOB  RECIPIENT  STATE   TRIES  NEXT TRY             LAST FAILURE\n"
              "1    Bob        queued  0      TIME\n");
    EXPECT_EQ(cli({"queue", "cancel", "1"}).out, "job 1: 1 recipient(s) cancelled\n");
    EXPECT_EQ(cli({"queue", "cancel", "2"}).exitCode, 2);
    EXPECT_EQ(cli({"queue", "--json"}).out, "{\"job\":1,\"recipient\":\"Bob\",\"state\":"
                                            "\"cancelled\",\"tries\":0,\"last_failure\":\"\"}\n");
    EXPECT_EQ(linesSent("ATDT222;"), 0u);
}

} // namespace
