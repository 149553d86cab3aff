#include "core/modem/sip_line.h"

#include "core/modem/modem_commands.h"

#include <algorithm>
#include <utility>

namespace tonalink {
namespace {

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

SipLineTranslator::SipLineTranslator(SipEngine& engine, std::function<std::string()> dialPrefix)
    : m_engine(engine), m_dialPrefix(std::move(dialPrefix)) {}

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
    const std::string prefix = m_dialPrefix ? dialStringValue(m_dialPrefix()) : std::string();
    std::string number;
    if (!prefix.empty() && startsWith(text, prefix)) {
        number = dialDigits(prefix);
        text.remove_prefix(prefix.size());
    }
    // The number runs to the first pause; what follows is played once answered.
    const std::size_t pause = std::min(text.find(','), text.size());
    number += dialDigits(text.substr(0, pause));
    if (number.empty() || !m_engine.dial(number))
        return false;
    m_state = State::Calling;
    m_postDial = playable(text.substr(pause));
    // Codes in the dial line are owed from now: a call never answered has not sent them.
    m_owed = !dialDigits(m_postDial).empty();
    m_codesDone = false;
    m_failed = false;
    return true;
}

bool SipLineTranslator::playCodes(std::string_view codes) {
    if (m_state != State::Answered) {
        m_failed = true;
        return false;
    }
    const std::string digits = playable(codes);
    if (dialDigits(digits).empty()) {
        m_codesDone = true;
        return true;
    }
    m_owed = true;
    m_codesDone = false;
    if (!m_engine.playDigits(digits))
        m_failed = true;
    return !m_failed;
}

bool SipLineTranslator::hangUp() {
    const bool ok = !m_owed && !m_failed;
    if (m_state == State::Calling || m_state == State::Answered)
        m_engine.hangUp();
    m_state = State::Idle;
    m_postDial.clear();
    m_owed = false;
    m_failed = false;
    return ok;
}

bool SipLineTranslator::answered() {
    if (m_state != State::Calling)
        return false;
    m_state = State::Answered;
    const std::string codes = std::exchange(m_postDial, {});
    if (dialDigits(codes).empty() || playCodes(codes))
        return false;
    m_engine.hangUp();
    m_state = State::Closed;
    return true;
}

bool SipLineTranslator::closed() {
    const bool fault = m_state == State::Calling || (m_state == State::Answered && !m_codesDone);
    if (m_state != State::Idle)
        m_state = State::Closed;
    m_failed = m_failed || fault;
    return fault;
}

void SipLineTranslator::digitsDone() {
    m_owed = false;
    m_codesDone = true;
}

} // namespace tonalink
