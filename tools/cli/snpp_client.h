#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tonalink::cli {

class ParsedArgs;
struct CliContext;

// `send --via HOST:PORT`: queues the page at a paging daemon over SNPP.
int submitViaSnpp(const CliContext& ctx, const ParsedArgs& args, const std::string& text);

struct SnppReply {
    int code = 0;     // 250, 550, ...
    std::string text; // the last line, without its code
};

// One blocking SNPP connection to a paging gateway. Every reply is awaited at
// most kReplyTimeoutSeconds.
class SnppClient {
public:
    static constexpr int kReplyTimeoutSeconds = 15;

    // Connects to "HOST:PORT" ("[V6ADDR]:PORT") and takes the greeting; nothing,
    // with *error set, when that fails.
    static std::unique_ptr<SnppClient> connect(const std::string& hostPort, std::string* error);
    ~SnppClient();
    SnppClient(const SnppClient&) = delete;
    SnppClient& operator=(const SnppClient&) = delete;

    // Sends one command line and reads its reply (the last line of several).
    std::optional<SnppReply> command(const std::string& line);

private:
    explicit SnppClient(int fd) : m_fd(fd) {}
    std::optional<SnppReply> reply();

    int m_fd;
    std::string m_pending; // received, not yet read as a line
};

} // namespace tonalink::cli
