// Runs the built simulator on a pseudo-terminal as a client would and checks its
// answers, its log and, through the independent decoder multimon-ng, its audio.

#include "child_process.h"
#include "dtmf_decoder.h"
#include "fd_read.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <thread>
#include <unistd.h>

using namespace tonalink::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> simulatorArgs(std::vector<std::string> args) {
    args.insert(args.begin(), TONALINK_MODEMSIM_PATH);
    return args;
}

int stopWith(ChildProcess& simulator, int signal) {
    simulator.signal(signal);
    return simulator.wait(std::chrono::seconds(5));
}

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool waitForLink(const fs::path& link) {
    for (int i = 0; i < 500; ++i) {
        if (fs::is_symlink(link) && fs::exists(link))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// A client of the simulated modem's device: writes one line, reads the answer.
class Client {
public:
    explicit Client(const fs::path& device) : m_fd(::open(device.c_str(), O_RDWR | O_NOCTTY)) {}
    ~Client() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

    std::string command(const std::string& line) {
        if (::write(m_fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            return "write failed";
        return readFor(m_fd, 4); // "OK\r\n"
    }

private:
    int m_fd;
};

class ModemSimulator : public testing::Test {
protected:
    TempDir dir;
    fs::path link = dir.path / "modem";
    fs::path log = dir.path / "lines.jsonl";
    fs::path wav = dir.path / "line.wav";
};

TEST_F(ModemSimulator, AnswersAndLogsEveryLineAcrossReopens) {
    fs::create_symlink("/nonexistent/stale", link);
    const int64_t start = nowMs();
    ChildProcess sim(simulatorArgs({"--log", log, link}));
    ASSERT_TRUE(waitForLink(link));
    {
        Client client(link);
        ASSERT_TRUE(client.isOpen());
        EXPECT_EQ(client.command("ATZ0\r\n"), "OK\r\n");
        EXPECT_EQ(client.command("ATDT0,123;\r\n"), "OK\r\n");
    }
    {
        Client client(link);
        ASSERT_TRUE(client.isOpen());
        EXPECT_EQ(client.command("AT\"\x82\xa0\r\n"), "OK\r\n");
        EXPECT_EQ(client.command("ATE1V1Q0H0\r\n"), "OK\r\n");
    }
    EXPECT_EQ(stopWith(sim, SIGTERM), 0);
    const int64_t end = nowMs();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));

    const std::vector<std::string> expected = {"ATZ0", "ATDT0,123;", "AT\\\"\\u0082\\u00a0",
                                               "ATE1V1Q0H0"};
    std::istringstream records(readWholeFile(log));
    const std::regex record(R"re(\{"t_ms":(\d+),"line":"(.*)"\})re");
    std::vector<std::string> lines;
    int64_t previous = start;
    for (std::string text; std::getline(records, text);) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, record)) << text;
        const int64_t t = std::stoll(m[1]);
        EXPECT_LE(previous, t);
        EXPECT_LE(t, end);
        previous = t;
        lines.push_back(m[2]);
    }
    EXPECT_EQ(lines, expected);
}

TEST_F(ModemSimulator, RefusesToReplaceAFileAndLeavesItAlone) {
    { std::ofstream(link) << "keep me"; }
    ChildProcess sim(simulatorArgs({link}));
    EXPECT_EQ(sim.wait(std::chrono::seconds(5)), 1);
    EXPECT_EQ(readWholeFile(link), "keep me");
}

TEST_F(ModemSimulator, RejectsAMissingLinkArgument) {
    ChildProcess sim(simulatorArgs({"--log", log}));
    EXPECT_EQ(sim.wait(std::chrono::seconds(5)), 2);
}

TEST_F(ModemSimulator, RenderedLineAudioDecodesToTheDialledTones) {
    ChildProcess sim(simulatorArgs({"--log", log, "--wav", wav, link}));
    ASSERT_TRUE(waitForLink(link));
    {
        Client client(link);
        for (const char* line : {"ATZ0\r\n", "ATDT0,123;\r\n", "ATDT#1*2;\r\n", "AT#STX=9877;\r\n",
                                 "ATDP45,DT60;\r\n", "ATE1V1Q0H0\r\n"})
            ASSERT_EQ(client.command(line), "OK\r\n") << line;
    }
    EXPECT_EQ(stopWith(sim, SIGINT), 0);

    const std::optional<std::string> digits = decodeDtmfWav(wav);
    if (!digits)
        GTEST_SKIP() << "multimon-ng is not installed";
    EXPECT_EQ(*digits, "0123#1*2987760");
}

} // namespace
