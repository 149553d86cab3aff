// tonalink-cli send over a SIP line: to the loopback paging centre, the digits
// each call carried and the calls' spacing on real time; to peers we did not
// write (linphonec, Kamailio), what they received and refused.
#include "child_process.h"
#include "dtmf_decoder.h"

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <regex>
#include <sys/stat.h>
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

bool installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// A port of its own for each test process, clear of the centre's.
int freshPort(int offset) {
    return 40000 + (getpid() % 8000) * 3 + offset;
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The listening sockets (UDP ones included) whose line holds `mark` (a local
// address, or "pid=N,"), as "udp 127.0.0.1:PORT".
std::vector<std::string> listening(const std::string& mark) {
    std::vector<std::string> out;
    std::istringstream lines(run({"/bin/sh", "-c", "ss -Hlnptu"}).out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string proto, state, recvQ, sendQ, local;
        fields >> proto >> state >> recvQ >> sendQ >> local;
        if (line.find(mark) != std::string::npos)
            out.push_back(proto + " " + local);
    }
    return out;
}

// The tool with a SIP line to 127.0.0.1:`port` (hold 3 s) and the `[Sip]` lines given.
struct Tool {
    TempDir data, config;
    Tool(int port, const std::string& sip) {
        std::ofstream(data.path / "call.dat", std::ios::binary) << callDat();
        fs::create_directories(config.path / "QUILLFERN");
        std::ofstream(config.path / "QUILLFERN" / "Tonalink.ini")
            << "[Setting]\nPhoneType=1\nDefaultOffTime=3\n[Ports]\nCOM1=sip:127.0.0.1:" << port
            << "\n[Sip]\n"
            << sip;
    }
    std::unique_ptr<ChildProcess> send(const std::string& message = "AB/12OK") const {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{TONALINK_CLI_PATH, "--dir", data.path.string(), "send",
                                     "--type", "Sip", "--call-number", "123", message},
            std::map<std::string, std::string>{{"XDG_CONFIG_HOME", config.path.string()}});
    }
};

// linphonec (Debian linphone-cli) as the far end, set up as the peers users have:
// G.711 only, on UDP and TCP `port`. It answers every call, prints each digit it
// receives and records each call's audio; it takes commands as a user types them.
class G711Peer {
public:
    explicit G711Peer(int port) {
        const std::string p = std::to_string(port), codec = "\nrate=8000\nchannels=1\nenabled=1\n";
        dir.write("rc", "[sip]\nsip_port=" + p + "\nsip_tcp_port=" + p +
                            "\n[rtp]\naudio_rtp_port=-1\n[misc]\nadd_missing_audio_codecs=0\n"
                            "[audio_codec_0]\nmime=PCMU" +
                            codec + "[audio_codec_1]\nmime=PCMA" + codec);
        fs::create_directories(dir.path / ".local/share/linphone");
        ::mkfifo(dir.file("in").c_str(), 0600);
        m_process = std::make_unique<ChildProcess>(
            std::vector<std::string>{
                "/bin/sh", "-c", "exec linphonec -a -c " + dir.file("rc") + " < " + dir.file("in")},
            std::map<std::string, std::string>{{"HOME", dir.path.string()}});
        m_in.open(dir.file("in"));
        say("soundcard use files");
        say("record " + dir.file("call1.wav"));
    }
    void say(const std::string& command) { m_in << command << std::endl; }
    std::string out() const { return m_process->out(); }
    bool waitFor(const std::string& text, std::size_t times = 1) const {
        return tonalink::test::waitFor([&] { return count(out(), text) >= times; }, 60);
    }
    // The digits it printed, one string per call.
    std::vector<std::string> printedDigits() const {
        std::vector<std::string> calls;
        std::istringstream lines(out());
        for (std::string line; std::getline(lines, line);) {
            const std::size_t tone = line.find("Receiving tone ");
            if (line.find(" connected.") != std::string::npos)
                calls.emplace_back();
            else if (tone != std::string::npos && !calls.empty())
                calls.back() += line[tone + 15];
        }
        return calls;
    }

    TempDir dir;

private:
    std::unique_ptr<ChildProcess> m_process;
    std::ofstream m_in;
};

// The status lines the SIP port 127.0.0.1:`port` answers another local process's
// request with.
std::vector<std::string> answers(const std::string& port, const std::string& method,
                                 const std::string& header) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{
        AF_INET, htons(static_cast<uint16_t>(std::stoi(port))), {htonl(INADDR_LOOPBACK)}, {}};
    ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
    const timeval wait{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockaddr_in me{};
    socklen_t size = sizeof me;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&me), &size);
    const std::string request =
        method + " sip:666@127.0.0.1:" + port +
        " SIP/2.0\r\nVia: SIP/2.0/UDP 127.0.0.1:" + std::to_string(ntohs(me.sin_port)) +
        ";branch=z9hG4bK" + method +
        "\r\nMax-Forwards: 70\r\nFrom: <sip:intruder@127.0.0.1>;tag=1\r\nTo: " +
        "<sip:666@127.0.0.1>\r\nCall-ID: " + method + "@intruder\r\nCSeq: 1 " + method +
        "\r\nContact: <sip:intruder@127.0.0.1>\r\n" + header + "Content-Length: 0\r\n\r\n";
    ::send(fd, request.data(), request.size(), 0);
    std::vector<std::string> lines;
    char buffer[4096];
    for (ssize_t n; (lines.empty() || lines.back() == "SIP/2.0 100 Trying") &&
                    (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        lines.emplace_back(buffer, std::find(buffer, buffer + n, '\r'));
    ::close(fd);
    return lines;
}

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

TEST(SipSend, TwoPartsReachTheCentreOnSchedule) {
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
    // Ended as a user would end it.
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

class SipLinePeer : public testing::TestWithParam<std::string> {};

// A two-part send reaches a far end that takes G.711 only, digit for digit: RFC
// 4733 and SIP INFO digits as the peer reports them, in-band tones as an
// independent decoder hears them in its recording of each call.
TEST_P(SipLinePeer, TwoPartsReachAG711OnlyPeer) {
    if (!installed("linphonec"))
        GTEST_SKIP() << "linphonec (Debian package linphone-cli) is not installed";
    G711Peer peer(freshPort(0));
    const Tool tool(freshPort(0), "DtmfMode=" + GetParam() + "\n");
    const auto send = tool.send();
    ASSERT_TRUE(peer.waitFor(" ended"));
    peer.say("record " + peer.dir.file("call2.wav"));
    ASSERT_EQ(send->wait(std::chrono::seconds(60)), 0) << send->err();
    ASSERT_TRUE(peer.waitFor(" ended", 2));
    const std::vector<std::string> parts = {"051314612#", "0401#"};
    if (GetParam() != "inband") {
        EXPECT_EQ(peer.printedDigits(), parts);
        return;
    }
    // Only the audio carries them.
    EXPECT_EQ(peer.printedDigits(), std::vector<std::string>(2));
    EXPECT_EQ(decodeDtmfWav(peer.dir.path / "call1.wav"), parts[0]);
    EXPECT_EQ(decodeDtmfWav(peer.dir.path / "call2.wav"), parts[1]);
}

INSTANTIATE_TEST_SUITE_P(DtmfModes, SipLinePeer, testing::Values("rfc4733", "info", "inband"),
                         [](const auto& info) { return info.param; });

// Nobody but the program can make the line call: it listens only on a UDP port of
// the loopback address, and refuses an INVITE and a REFER sent there by another
// process. A far end that hangs up while the codes play fails the part (nothing
// logged), and the next send goes through.
TEST(SipLinePeer, OutsidersCannotCallAndADroppedCallFailsThePart) {
    if (!installed("linphonec") || !installed("ss"))
        GTEST_SKIP() << "linphonec (Debian package linphone-cli) or ss (iproute2) is not installed";
    G711Peer peer(freshPort(1));
    const Tool tool(freshPort(1), "");
    const auto send = tool.send();
    std::vector<std::string> sockets;
    ASSERT_TRUE(waitFor(
        [&] { return !(sockets = listening("pid=" + std::to_string(send->pid()) + ",")).empty(); },
        3));
    ASSERT_EQ(sockets.size(), 1u);
    ASSERT_EQ(sockets[0].rfind("udp 127.0.0.1:", 0), 0u) << sockets[0];
    const std::string port = sockets[0].substr(14);
    EXPECT_EQ(answers(port, "INVITE", ""),
              (std::vector<std::string>{"SIP/2.0 100 Trying", "SIP/2.0 603 Decline"}));
    const std::string referTo =
        "Refer-To: <sip:666@127.0.0.1:" + std::to_string(freshPort(1)) + ">\r\n";
    EXPECT_EQ(answers(port, "REFER", referTo), std::vector<std::string>{"SIP/2.0 603 Decline"});

    ASSERT_TRUE(peer.waitFor("Receiving tone", 3));
    peer.say("terminate");
    EXPECT_EQ(send->wait(std::chrono::seconds(60)), 3);
    EXPECT_NE(send->err().find("the line failed during the call: SIP: the call ended"),
              std::string::npos)
        << send->err();
    EXPECT_FALSE(fs::exists(tool.data.path / "bell.log"));
    const auto again = tool.send();
    EXPECT_EQ(again->wait(std::chrono::seconds(60)), 0) << again->err();
    EXPECT_EQ(count(peer.out(), "Receiving new incoming call"), 3u);
}

class SipRegistration : public testing::TestWithParam<std::string> {};

// The account registers with digest authentication at Kamailio, with a password
// that holds what an account line must not mangle; a wrong password is refused
// and the tool says so.
TEST_P(SipRegistration, DigestAuthenticationAtKamailio) {
    if (!installed("kamailio") || !installed("ss"))
        GTEST_SKIP() << "kamailio (Debian package kamailio) or ss (iproute2) is not installed";
    const std::string password = "a;b \"c<d> \\x";
    // Another host than the line's: calls go to the line's address, not here.
    const std::string registrar = "127.0.0.2:" + std::to_string(freshPort(2));
    TempDir run;
    ChildProcess kamailio({"/bin/sh", "-c",
                           "exec kamailio -DD -E -m 16 -M 4 -f " KAMAILIO_CONFIG " -Y " +
                               run.path.string() + " -w " + run.path.string() +
                               " -l udp:" + registrar + " -l tcp:" + registrar},
                          {{"TL_SIP_USER", "alice"}, {"TL_SIP_PASSWORD", password}});
    ASSERT_TRUE(waitFor([&] { return listening(registrar).size() >= 2; }, 5)) << kamailio.err();
    const std::string refused =
        "(SIP: registration at " + registrar + " failed (401 Unauthorized))";
    // As written in the settings file: quoted, with \" and \\ for " and \.
    for (const auto& [written, registers] :
         {std::pair<std::string, bool>{"\"a;b \\\"c<d> \\\\x\"", true}, {"wrong", false}}) {
        const Tool tool(freshPort(2), "User=alice\nPassword=" + written + "\nRegistrar=" +
                                          registrar + "\nTransport=" + GetParam() + "\n");
        const auto send = tool.send("AB");
        send->wait(std::chrono::seconds(30));
        EXPECT_EQ(send->err().find(refused) != std::string::npos, !registers) << send->err();
    }
    EXPECT_EQ(count(kamailio.err(), "registered alice over " + GetParam()), 2u) << kamailio.err();
}

INSTANTIATE_TEST_SUITE_P(Transports, SipRegistration, testing::Values("udp", "tcp"),
                         [](const auto& info) { return info.param; });
