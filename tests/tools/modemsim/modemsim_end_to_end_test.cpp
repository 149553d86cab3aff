// Runs the built simulator on a pseudo-terminal as a client would and checks its
// answers, its log and, through the independent decoder multimon-ng, its audio.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        std::string t = (fs::temp_directory_path() / "tl-modemsim-XXXXXX").string();
        path = ::mkdtemp(t.data());
    }
    ~TempDir() { fs::remove_all(path); }
};

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Simulator {
public:
    explicit Simulator(std::vector<std::string> args) {
        args.insert(args.begin(), TONALINK_MODEMSIM_PATH);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
    }
    ~Simulator() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    // Exit status after the signal, or -1 when it did not end within 5 s.
    int stop(int signal) {
        ::kill(m_pid, signal);
        return waitForExit();
    }
    int waitForExit() {
        for (int i = 0; i < 500; ++i) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    pid_t m_pid = -1;
};

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
        std::string answer;
        pollfd p{m_fd, POLLIN, 0};
        while (answer.size() < 4 && ::poll(&p, 1, 2000) == 1) {
            char buffer[64];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            answer.append(buffer, static_cast<std::size_t>(n));
        }
        return answer;
    }

private:
    int m_fd;
};

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const fs::path candidate = fs::path(dir) / program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// Digits multimon-ng hears in 22050 Hz 16-bit mono raw audio.
std::string decodeDtmf(const std::string& multimon, const fs::path& raw) {
    const std::string command = multimon + " -q -c -a DTMF -t raw " + raw.string() + " 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "popen failed";
    std::string digits;
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        if (text.rfind("DTMF: ", 0) == 0 && text.size() > 6)
            digits += text[6];
    }
    ::pclose(pipe);
    return digits;
}

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
    Simulator sim({"--log", log, link});
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
    EXPECT_EQ(sim.stop(SIGTERM), 0);
    const int64_t end = nowMs();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));

    const std::vector<std::string> expected = {"ATZ0", "ATDT0,123;", "AT\\\"\\u0082\\u00a0",
                                               "ATE1V1Q0H0"};
    std::istringstream records(readFile(log));
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
    Simulator sim({link});
    EXPECT_EQ(sim.waitForExit(), 1);
    EXPECT_EQ(readFile(link), "keep me");
}

TEST_F(ModemSimulator, RejectsAMissingLinkArgument) {
    Simulator sim({"--log", log});
    EXPECT_EQ(sim.waitForExit(), 2);
}

TEST_F(ModemSimulator, RenderedLineAudioDecodesToTheDialledTones) {
    const std::string multimon = findOnPath("multimon-ng");
    if (multimon.empty())
        GTEST_SKIP() << "multimon-ng is not installed";
    Simulator sim({"--log", log, "--wav", wav, link});
    ASSERT_TRUE(waitForLink(link));
    {
        Client client(link);
        for (const char* line : {"ATZ0\r\n", "ATDT0,123;\r\n", "ATDT#1*2;\r\n", "AT#STX=9877;\r\n",
                                 "ATDP45,DT60;\r\n", "ATE1V1Q0H0\r\n"})
            ASSERT_EQ(client.command(line), "OK\r\n") << line;
    }
    EXPECT_EQ(sim.stop(SIGINT), 0);

    // The header is checked byte for byte by the unit tests; multimon-ng takes the samples raw.
    const std::string file = readFile(wav);
    ASSERT_GT(file.size(), 44u);
    ASSERT_EQ(file.substr(0, 4), "RIFF");
    const fs::path raw = dir.path / "line.raw";
    std::ofstream(raw, std::ios::binary) << file.substr(44);
    // The pulse-dialled 45 is silent on the line.
    EXPECT_EQ(decodeDtmf(multimon, raw), "0123#1*2987760");
}

} // namespace
