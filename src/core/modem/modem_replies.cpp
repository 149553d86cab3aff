#include "core/modem/modem_replies.h"

#include <array>

namespace tonalink {
namespace {

struct FailingReply {
    std::string_view verbal;
    std::string_view numeric;
};

constexpr std::array<FailingReply, 6> kFailingReplies{{
    {"NO CARRIER", "3"},
    {"ERROR", "4"},
    {"NO DIALTONE", "6"},
    {"NO DIAL TONE", "6"}, // as some modems spell it
    {"BUSY", "7"},
    {"NO ANSWER", "8"},
}};

// The reply as the user is to read it, when it is one that fails a call.
std::optional<std::string> failingReply(std::string_view line) {
    for (const FailingReply& reply : kFailingReplies) {
        if (line == reply.verbal)
            return std::string(reply.verbal);
        if (line == reply.numeric)
            return std::string(reply.numeric) + " (" + std::string(reply.verbal) + ")";
    }
    return std::nullopt;
}

} // namespace

void ModemReplies::commandWritten(std::string_view line) {
    m_last = commandKind(line);
    m_resetWritten = m_resetWritten || m_last == CommandKind::Reset;
    m_lastText = withoutLineBreaks(line);
}

std::optional<std::string> ModemReplies::feed(std::string_view bytes) {
    std::optional<std::string> fault;
    m_splitter.feed(bytes, [this, &fault](std::string_view line) {
        std::optional<std::string> reply = replyLine(line);
        if (!fault)
            fault = std::move(reply);
    });
    return fault;
}

std::optional<std::string> ModemReplies::replyLine(std::string_view line) {
    if (line.size() >= kMaxLine || line == m_lastText)
        return std::nullopt;
    m_answered = m_answered || m_resetWritten;
    if (m_last != CommandKind::Call)
        return std::nullopt;
    return failingReply(line);
}

} // namespace tonalink
