// tonalink-modemsim: a stand-in Hayes modem on a pseudo-terminal. It answers OK
// to every command line, or what --reply gives for lines that start a certain
// way, logs each line with a timestamp as JSON lines and can render the dialled
// tones into a WAV file.

#include "audio_track.h"
#include "core/common/cp932.h"
#include "core/common/file_io.h"
#include "core/common/line_splitter.h"
#include "json_log.h"
#include "pty_link.h"
#include "wav_writer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <string>
#include <unistd.h>

using namespace tonalink::modemsim;

namespace {

constexpr char kUsage[] =
    "usage: tonalink-modemsim [--log FILE] [--wav FILE] [--reply PREFIX=REPLY]... LINK\n"
    "  LINK        path made a symbolic link to the simulated modem's device\n"
    "  --log FILE  append the received lines to FILE instead of stdout\n"
    "  --wav FILE  at exit, write the dialled tones to FILE (22050 Hz WAV)\n"
    "  --reply PREFIX=REPLY\n"
    "              answer REPLY instead of OK to a line that starts with PREFIX\n"
    "              (ASCII case ignored; the first --reply that matches wins; the\n"
    "              last '=' splits). An empty REPLY answers nothing, an empty\n"
    "              PREFIX matches every line. Examples: --reply ATDT123=BUSY,\n"
    "              --reply ATD='NO DIALTONE', --reply = (a modem that never answers)\n";

// Beyond these a --reply is refused: no modem says more, and no test needs more.
constexpr std::size_t kMaxReplies = 32;
constexpr std::size_t kMaxReplyText = 64;
// A modem's command buffer is far smaller; longer lines are logged cut.
constexpr std::size_t kMaxCommandLine = 4096;

struct Reply {
    std::string prefix;
    std::string text;
};

struct Options {
    std::string link;
    std::string logPath;
    std::string wavPath;
    std::vector<Reply> replies;
};

// PREFIX=REPLY, split at the last '=' (a prefix such as "AT#STX=" holds one).
std::optional<Reply> parseReply(const std::string& arg) {
    const std::size_t split = arg.rfind('=');
    if (split == std::string::npos || arg.size() - split - 1 > kMaxReplyText ||
        split > kMaxCommandLine)
        return std::nullopt;
    Reply reply{arg.substr(0, split), arg.substr(split + 1)};
    // Each reply is one line.
    if (reply.text.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    return reply;
}

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--log" || arg == "--wav") && i + 1 < argc) {
            (arg == "--log" ? options.logPath : options.wavPath) = argv[++i];
        } else if (arg == "--reply" && i + 1 < argc && options.replies.size() < kMaxReplies) {
            std::optional<Reply> reply = parseReply(argv[++i]);
            if (!reply)
                return std::nullopt;
            options.replies.push_back(std::move(*reply));
        } else if (!arg.empty() && arg[0] != '-' && options.link.empty()) {
            options.link = arg;
        } else {
            return std::nullopt;
        }
    }
    if (options.link.empty())
        return std::nullopt;
    return options;
}

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const int saved = errno;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], "x", 1);
    errno = saved;
}

bool installSignalHandlers() {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    ::sigemptyset(&sa.sa_mask);
    ::signal(SIGPIPE, SIG_IGN);
    return ::sigaction(SIGINT, &sa, nullptr) == 0 && ::sigaction(SIGTERM, &sa, nullptr) == 0;
}

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

class Modem {
public:
    Modem(int master, std::FILE* log, bool recordAudio, std::vector<Reply> replies)
        : m_master(master), m_log(log), m_recordAudio(recordAudio), m_replies(std::move(replies)) {}

    // False when the pseudo-terminal failed.
    bool serviceInput() {
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n < 0)
            return errno == EAGAIN || errno == EINTR;
        m_splitter.feed({buffer, static_cast<std::size_t>(n)},
                        [this](std::string_view line) { handleLine(line); });
        return true;
    }

    const AudioTrack& audio() const { return m_audio; }

private:
    void handleLine(std::string_view line) {
        std::fputs(jsonLogRecord(nowMs(), line).c_str(), m_log);
        std::fflush(m_log);
        if (m_recordAudio && !m_audio.addLine(line) && !m_audioFullReported) {
            std::fputs("tonalink-modemsim: audio limit reached, later tones left out\n", stderr);
            m_audioFullReported = true;
        }
        const std::string answer = answerTo(line);
        [[maybe_unused]] ssize_t n = ::write(m_master, answer.data(), answer.size());
    }

    // What a modem with verbal result codes and no echo sends back.
    std::string answerTo(std::string_view line) const {
        for (const Reply& reply : m_replies) {
            if (line.size() >= reply.prefix.size() &&
                tonalink::cp932::equalIgnoringAsciiCase(line.substr(0, reply.prefix.size()),
                                                        reply.prefix))
                return reply.text.empty() ? std::string() : reply.text + "\r\n";
        }
        return "OK\r\n";
    }

    int m_master;
    std::FILE* m_log;
    bool m_recordAudio;
    bool m_audioFullReported = false;
    std::vector<Reply> m_replies;
    tonalink::LineSplitter m_splitter{kMaxCommandLine};
    AudioTrack m_audio;
};

// Runs until SIGINT or SIGTERM; false when the pseudo-terminal failed.
bool serve(Modem& modem, int master) {
    pollfd fds[2] = {{master, POLLIN, 0}, {g_signalPipe[0], POLLIN, 0}};
    for (;;) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fds[1].revents != 0)
            return true;
        if ((fds[0].revents & (POLLERR | POLLNVAL)) != 0 || !modem.serviceInput())
            return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!installSignalHandlers()) {
        std::perror("tonalink-modemsim: signals");
        return 1;
    }
    std::FILE* log = stdout;
    if (!options->logPath.empty()) {
        log = std::fopen(options->logPath.c_str(), "a");
        if (log == nullptr) {
            std::fprintf(stderr, "tonalink-modemsim: %s: %s\n", options->logPath.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::string error;
    std::unique_ptr<PtyLink> pty = PtyLink::create(options->link, error);
    if (!pty) {
        std::fprintf(stderr, "tonalink-modemsim: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "tonalink-modemsim: %s -> %s\n", options->link.c_str(),
                 pty->slavePath().c_str());

    Modem modem(pty->masterFd(), log, !options->wavPath.empty(), options->replies);
    const bool served = serve(modem, pty->masterFd());
    if (!served)
        std::perror("tonalink-modemsim: pseudo-terminal");
    pty.reset();

    int status = served ? 0 : 1;
    if (!options->wavPath.empty() &&
        !tonalink::writeFileAtomically(options->wavPath, wavFileBytes(modem.audio().samples()),
                                       &error)) {
        std::fprintf(stderr, "tonalink-modemsim: %s\n", error.c_str());
        status = 1;
    }
    if (log != stdout)
        std::fclose(log);
    return status;
}
