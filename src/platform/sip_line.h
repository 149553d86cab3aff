#pragma once

#include "core/app/settings_sip.h"
#include "core/modem/line_sink.h"
#include "core/modem/sip_line.h"
#include "platform/baresip_process.h"

#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

namespace tonalink {

// A telephone line over SIP: the modem command lines become calls of a baresip
// child process. Every write returns at once; DTMF is paced on timers like a
// modem plays it (digit on about 95 ms, off about 95 ms, ',' two seconds).
class SipLine final : public LineSink, private SipEngine {
public:
    using FailureHandler = std::function<void(const QString& message)>;

    explicit SipLine(FailureHandler onFailure);
    ~SipLine() override;

    // Starts baresip for calls to "sip:NUMBER@<address>"; `dialPrefix` is the
    // extension the dial lines start with. Returns 1, or 0 after telling the
    // failure handler (baresip missing or not startable).
    int open(const std::string& address, const std::string& dialPrefix, const SipAccount& account);
    void close();
    bool isOpen() const override { return m_process.running(); }
    bool writeLine(const std::string& line) override;

    // The failure text when baresip cannot be started: the port's, plus the package.
    static QString engineMissingText();

private:
    bool dial(const std::string& uri) override;
    bool playDigits(const std::string& digits) override;
    void hangUp() override;

    void playNext();
    void onCallEvent(const QJsonObject& event);

    FailureHandler m_onFailure;
    BaresipProcess m_process;
    std::optional<SipLineTranslator> m_translator; // while open
    QTimer m_pacer;
    std::string m_codes; // still to play
    QString m_callId;    // the call placed last, once baresip named it
    QString m_endedCallId;
    bool m_awaitingCall = false;
};

} // namespace tonalink
