#pragma once

#include "core/app/settings_sip.h"
#include "core/modem/line_sink.h"
#include "core/modem/sip_line.h"

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace linphone {
class Call;
}

namespace tonalink {

class HeadlessSipCore;
class SettingsStore;

// A telephone line over SIP: the modem command lines become calls of a
// liblinphone engine inside the program. Every write returns at once; DTMF is
// paced on timers like a modem plays it (digit on about 95 ms, off about 95 ms,
// ',' two seconds), and a digit counts once the engine took it with the call
// up and the call was still up a digit's time later.
class SipLine final : public LineSink, private SipEngine {
public:
    using FailureHandler = std::function<void(const QString& message)>;

    // `dialPrefix` gives the outside-line prefix the dial lines start with now.
    SipLine(FailureHandler onFailure, std::function<std::string()> dialPrefix);
    ~SipLine() override;

    // Opens the line a "sip:HOST[:PORT]" value names, calling from the `[Sip]`
    // account of `store`: starts the engine and registers when the account
    // says so. 1, or 0 after telling the failure handler which value cannot be
    // used. An engine that cannot start is reported and tried again at the
    // next dial.
    int open(const std::string& portValue, SettingsStore& store);
    void close();
    bool isOpen() const override { return m_translator.has_value(); }
    bool writeLine(const std::string& line) override;

    // The port's failure text followed by the SIP line's own reason.
    static QString failureText(const std::string& reason);

private:
    class Events;

    bool dial(const std::string& number) override;
    bool playDigits(const std::string& digits) override;
    void hangUp() override;

    // Empty, or why the engine could not start.
    std::string startEngine();
    void playNext();
    bool callUp() const;
    // From the engine's events, about the call placed last.
    void onAnswered();
    void onEnded(const std::string& reason);
    void onRegistration(bool failed, const std::string& reason);
    // Runs `work` from the event loop, never inside the engine's own events.
    void later(std::function<void()> work);
    // The port's failure handler hears `reason`, from the event loop.
    void tellFailure(const std::string& reason);
    // The call under way ends as a line failure with `reason`, from the event loop.
    void fail(const std::string& reason);

    FailureHandler m_onFailure;
    std::function<std::string()> m_dialPrefix;
    SipHost m_host;
    SipAccount m_account;
    std::shared_ptr<Events> m_events;
    std::unique_ptr<HeadlessSipCore> m_engine;
    std::optional<SipLineTranslator> m_translator; // while open
    std::shared_ptr<linphone::Call> m_call;        // the call placed last
    QTimer m_pacer;
    std::string m_codes;    // still to play
    bool m_placing = false; // inside the engine's call to place m_call
    bool m_registrationFailed = false;
};

} // namespace tonalink
