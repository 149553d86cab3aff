#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tonalink {

// A [Ports] value beginning with "sip:" names a SIP line instead of a device.
bool isSipLineValue(std::string_view portValue);
// HOST[:PORT] of a SIP line value; nullopt when the value is no SIP line or its
// address is empty, too long, or holds a user part, blanks or control bytes.
std::optional<std::string> sipLineHost(std::string_view portValue);

// What the SIP line drives: the engine places one call at a time.
class SipEngine {
public:
    virtual ~SipEngine() = default;
    virtual bool dial(const std::string& uri) = 0;
    // Plays 0-9, * and # in order as DTMF; ',' is a pause. Answers
    // digitsDone() on the line once the last one has gone out.
    virtual bool playDigits(const std::string& digits) = 0;
    virtual void hangUp() = 0;
};

// Turns the modem command lines into SIP actions. The line never reads back
// from a modem, so the call's progress reaches it as engine events.
class SipLineTranslator {
public:
    // `dialPrefix` is the outside-line prefix the dial lines start with (the
    // extension text), empty when there is none.
    SipLineTranslator(SipEngine& engine, std::string host, std::string dialPrefix);

    // One command line as written to a modem. False when the call cannot go on:
    // the dial is refused, the codes are due on a call not answered, or the call
    // is hung up with codes that never went out.
    bool take(std::string_view line);

    void answered();
    void closed();
    void digitsDone();

private:
    enum class State { Idle, Calling, Answered, Closed };

    bool dial(std::string_view dialText);
    bool playCodes(std::string_view codes);
    bool hangUp();

    SipEngine& m_engine;
    std::string m_host;
    std::string m_dialPrefix;
    State m_state = State::Idle;
    std::string m_postDial; // codes of a dial line, due once answered
    bool m_owed = false;    // digits queued that have not all gone out
    bool m_refused = false; // the far end ended the call before answering
};

} // namespace tonalink
