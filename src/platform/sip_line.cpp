#include "platform/sip_line.h"

#include "platform/serial_port.h"

namespace tonalink {
namespace {

constexpr int kDigitCycleMs = 190; // about 95 ms on, 95 ms off
constexpr int kPauseMs = 2000;

bool isLoopback(const std::string& address) {
    return address.rfind("127.", 0) == 0 || address.rfind("localhost", 0) == 0 ||
           address.rfind("[::1]", 0) == 0;
}

// baresip's accounts line for the `[Sip]` account, or an anonymous local one
// that never registers.
QString accountLine(const SipAccount& account) {
    if (!account.registers())
        return QStringLiteral("<sip:tonalink@127.0.0.1:%PORT%>;regint=0");
    QString line =
        QStringLiteral("<sip:%1@%2;transport=%3>")
            .arg(QString::fromStdString(account.User), QString::fromStdString(account.Registrar),
                 QString::fromStdString(account.Transport));
    if (!account.Password.empty())
        line += QStringLiteral(";auth_pass=") + QString::fromStdString(account.Password);
    return line + QStringLiteral(";regint=3600");
}

} // namespace

SipLine::SipLine(FailureHandler onFailure) : m_onFailure(std::move(onFailure)) {
    m_pacer.setSingleShot(true);
    m_pacer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_pacer, &QTimer::timeout, &m_process, [this] { playNext(); });
    QObject::connect(&m_process, &BaresipProcess::callEvent, &m_process,
                     [this](const QJsonObject& event) { onCallEvent(event); });
    QObject::connect(&m_process, &BaresipProcess::exited, &m_process, [this] {
        if (m_translator)
            m_translator->closed();
    });
}

SipLine::~SipLine() {
    close();
}

QString SipLine::engineMissingText() {
    return SerialPort::openFailedText() +
           QStringLiteral("\n(SIP: baresip が起動できません。パッケージ %1)")
               .arg(BaresipProcess::kPackage);
}

int SipLine::open(const std::string& address, const std::string& dialPrefix,
                  const SipAccount& account) {
    close();
    BaresipProcess::Config config;
    config.loopbackOnly = isLoopback(address);
    config.accounts = {accountLine(account)};
    config.dtmfMode =
        account.DtmfMode == "inband" ? QStringLiteral("inband") : QStringLiteral("rtpevent");
    if (!m_process.start(config)) {
        m_process.stop();
        if (m_onFailure)
            m_onFailure(engineMissingText());
        return 0;
    }
    m_translator.emplace(static_cast<SipEngine&>(*this), address, dialPrefix);
    return 1;
}

void SipLine::close() {
    if (!isOpen())
        return;
    hangUp();
    m_process.stop();
    m_translator.reset();
}

bool SipLine::writeLine(const std::string& line) {
    return isOpen() && m_translator && m_translator->take(line);
}

bool SipLine::dial(const std::string& uri) {
    m_callId.clear();
    m_awaitingCall = true;
    m_process.command(QStringLiteral("dial"), QString::fromStdString(uri));
    return true;
}

bool SipLine::playDigits(const std::string& digits) {
    m_codes += digits;
    if (!m_pacer.isActive())
        playNext();
    return true;
}

void SipLine::hangUp() {
    m_codes.clear();
    m_pacer.stop();
    // Events of the call we end are no news about the next one.
    m_endedCallId = m_callId;
    m_callId.clear();
    m_awaitingCall = false;
    m_process.command(QStringLiteral("hangup"));
}

void SipLine::playNext() {
    if (m_codes.empty()) {
        if (m_translator)
            m_translator->digitsDone();
        return;
    }
    const char c = m_codes.front();
    m_codes.erase(0, 1);
    if (c != ',')
        m_process.command(QStringLiteral("sndcode"), QString(QLatin1Char(c)));
    m_pacer.start(c == ',' ? kPauseMs : kDigitCycleMs);
}

void SipLine::onCallEvent(const QJsonObject& event) {
    const QString id = event.value(QStringLiteral("id")).toString();
    if (id.isEmpty() || id == m_endedCallId)
        return;
    if (m_callId.isEmpty() && m_awaitingCall &&
        event.value(QStringLiteral("direction")).toString() == QStringLiteral("outgoing")) {
        m_callId = id;
        m_awaitingCall = false;
    }
    if (id != m_callId)
        return;
    const QString type = event.value(QStringLiteral("type")).toString();
    if (!m_translator)
        return;
    if (type == QStringLiteral("CALL_ESTABLISHED")) {
        m_translator->answered();
    } else if (type == QStringLiteral("CALL_CLOSED")) {
        m_codes.clear();
        m_pacer.stop();
        m_translator->closed();
    }
}

} // namespace tonalink
