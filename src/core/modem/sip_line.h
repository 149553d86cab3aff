#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tonalink {

// What the SIP line drives: the engine places one call at a time.
class SipEngine {
public:
    virtual ~SipEngine() = default;
    // Calls NUMBER at the line's address.
    virtual bool dial(const std::string& number) = 0;
    // Plays 0-9, * and # in order as DTMF; ',' is a pause. Answers
    // digitsDone() on the line once the engine has sent the last one.
    virtual bool playDigits(const std::string& digits) = 0;
    virtual void hangUp() = 0;
};

// Turns the modem command lines into SIP actions. The line never reads back
// from a modem, so the call's progress reaches it as engine events.
class SipLineTranslator {
public:
    // `dialPrefix` gives the outside-line prefix the dial lines start with now
    // (the extension text, empty when there is none); it is asked at every dial,
    // so a changed setting counts from the next call.
    SipLineTranslator(SipEngine& engine, std::function<std::string()> dialPrefix);

    // One command line as written to a modem. False when the call cannot go on:
    // the dial is refused, the codes are due on a call not answered, or the call
    // is hung up with codes that never went out.
    bool take(std::string_view line);

    // Engine events. answered() and closed() return true when the event fails
    // the part under way: the codes cannot start, the call ended before it was
    // answered, or it ended before every code had gone out.
    bool answered();
    bool closed();
    void digitsDone();

private:
    enum class State { Idle, Calling, Answered, Closed };

    bool dial(std::string_view dialText);
    bool playCodes(std::string_view codes);
    bool hangUp();

    SipEngine& m_engine;
    std::function<std::string()> m_dialPrefix;
    State m_state = State::Idle;
    std::string m_postDial;   // codes of a dial line, due once answered
    bool m_owed = false;      // digits handed to the engine and not yet sent
    bool m_codesDone = false; // the part's codes have all gone out
    bool m_failed = false;    // the part cannot count as sent
};

} // namespace tonalink
