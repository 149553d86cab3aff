#include "core/modem/sip_line.h"

#include "core/modem/modem_commands.h"

#include <algorithm>

namespace tonalink {
namespace {

constexpr std::string_view kScheme = "sip:";
constexpr std::size_t kMaxHostLength = 260; // a DNS name and a port
constexpr std::string_view kHangUpBody = "ATE1V1Q0H0";
constexpr std::string_view kMobileCodes = "AT#STX=";

bool isDialDigit(char c) {
    return (c >= '0' && c <= '9') || c == '*' || c == '#';
}

std::string dialDigits(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), isDialDigit);
    return out;
}

// Digits and pauses, in order; the modem's dial modifiers (T, P, V) are dropped.
std::string playable(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return isDialDigit(c) || c == ','; });
    return out;
}

bool startsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

std::string_view body(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

std::string_view dialText(std::string_view body) {
    body.remove_prefix(4); // ATDT or ATDP
    if (!body.empty() && body.back() == ';')
        body.remove_suffix(1);
    return body;
}

} // namespace

bool isSipLineValue(std::string_view portValue) {
    return startsWith(portValue, kScheme);
}

std::optional<std::string> sipLineHost(std::string_view portValue) {
    if (!isSipLineValue(portValue))
        return std::nullopt;
    const std::string_view host = portValue.substr(kScheme.size());
    const bool clean = std::all_of(host.begin(), host.end(), [](char c) {
        return static_cast<unsigned char>(c) > ' ' && c != '@' && c != ';' && c != 0x7f;
    });
    if (host.empty() || host.size() > kMaxHostLength || !clean)
        return std::nullopt;
    return std::string(host);
}

SipLineTranslator::SipLineTranslator(SipEngine& engine, std::string host, std::string dialPrefix)
    : m_engine(engine), m_host(std::move(host)), m_dialPrefix(dialStringValue(dialPrefix)) {}

bool SipLineTranslator::take(std::string_view line) {
    const std::string_view text = body(line);
    if (text == kHangUpBody)
        return hangUp();
    if (startsWith(text, kMobileCodes))
        return playCodes(text.substr(kMobileCodes.size()));
    if (startsWith(text, "ATDT") || startsWith(text, "ATDP")) {
        // A modem takes a second dial on a call in progress as more digits: the codes.
        if (m_state == State::Idle)
            return dial(dialText(text));
        return playCodes(dialText(text));
    }
    // The reset line and the user's own command have no meaning on a SIP line.
    return true;
}

bool SipLineTranslator::dial(std::string_view text) {
    std::string address;
    if (!m_dialPrefix.empty() && startsWith(text, m_dialPrefix)) {
        address = dialDigits(m_dialPrefix);
        text.remove_prefix(m_dialPrefix.size());
    }
    // The number runs to the first pause; what follows is played once answered.
    const std::size_t pause = std::min(text.find(','), text.size());
    address += dialDigits(text.substr(0, pause));
    if (address.empty() || !m_engine.dial("sip:" + address + "@" + m_host))
        return false;
    m_state = State::Calling;
    m_postDial = playable(text.substr(pause));
    m_owed = !dialDigits(m_postDial).empty();
    m_refused = false;
    return true;
}

bool SipLineTranslator::playCodes(std::string_view codes) {
    if (m_state != State::Answered)
        return false;
    const std::string digits = playable(codes);
    if (dialDigits(digits).empty())
        return true;
    m_owed = true;
    return m_engine.playDigits(digits);
}

bool SipLineTranslator::hangUp() {
    const bool ok = !m_owed && !m_refused;
    if (m_state == State::Calling || m_state == State::Answered)
        m_engine.hangUp();
    m_state = State::Idle;
    m_postDial.clear();
    m_owed = false;
    m_refused = false;
    return ok;
}

void SipLineTranslator::answered() {
    if (m_state != State::Calling)
        return;
    m_state = State::Answered;
    if (m_owed && !m_engine.playDigits(m_postDial))
        m_engine.hangUp();
    m_postDial.clear();
}

void SipLineTranslator::closed() {
    if (m_state == State::Calling)
        m_refused = true;
    if (m_state != State::Idle)
        m_state = State::Closed;
}

void SipLineTranslator::digitsDone() {
    m_owed = false;
}

} // namespace tonalink
