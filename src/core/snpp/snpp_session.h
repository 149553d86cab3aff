#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tonalink::snpp {

// Bounds on what one client can make the gateway hold.
inline constexpr std::size_t kMaxPagerIds = 32;
inline constexpr std::size_t kMaxMessageBytes = 2048;
inline constexpr std::size_t kMaxFieldBytes = 256; // LOGI, SUBJ, CALL

// One page as a client gave it, texts as they arrived (UTF-8 or CP932).
struct Page {
    std::vector<std::string> pagerIds;
    std::string message;
    std::optional<int64_t> holdUntil; // seconds since the epoch
    std::string login;
    std::string subject;
    std::string callerId;
};

// What the conversation asks of the gateway behind it.
class Gateway {
public:
    virtual ~Gateway() = default;
    // True when `pagerId` names someone to page.
    virtual bool knowsPager(std::string_view pagerId) = 0;
    // Stores the page durably: its job id, or why it was refused (one line).
    virtual std::variant<int64_t, std::string> submit(const Page& page) = 0;
};

// The server side of one SNPP conversation: lines in, replies out. Commands are
// known by their first four letters in any case.
class Session {
public:
    explicit Session(Gateway& gateway) : m_gateway(gateway) {}

    static std::string greeting();
    // One line from the client without its line end; the reply, each line ending
    // in CR LF, or nothing while DATA collects the message.
    std::string onLine(std::string_view line);
    // QUIT was answered: the connection closes.
    bool ended() const { return m_ended; }

private:
    std::string page(std::string_view argument);
    std::string message(std::string_view text);
    std::string dataLine(std::string_view line);
    std::string hold(std::string_view argument);
    std::string send();
    void reset();

    Gateway& m_gateway;
    Page m_page;
    bool m_messageGiven = false;
    bool m_inData = false;
    bool m_dataTooLong = false;
    bool m_ended = false;
};

} // namespace tonalink::snpp
