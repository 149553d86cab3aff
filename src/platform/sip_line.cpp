#include "platform/sip_line.h"

#include "core/app/settings_store.h"
#include "platform/headless_sip_core.h"
#include "platform/serial_port.h"

#include <algorithm>

namespace tonalink {
namespace {

constexpr int kDigitCycleMs = 190; // about 95 ms on, 95 ms off
constexpr int kPauseMs = 2000;
constexpr std::size_t kMaxPhraseLength = 80;
constexpr char kAnonymousUser[] = "tonalink";

// What the far end said, cut to printable ASCII: it is shown as CP932 text.
std::string printable(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, kMaxPhraseLength))
        if (c >= ' ' && c < 0x7F)
            out += c;
    return out;
}

std::string errorText(const std::shared_ptr<const linphone::ErrorInfo>& info,
                      const std::string& fallback) {
    if (info && info->getProtocolCode() > 0)
        return std::to_string(info->getProtocolCode()) + " " + printable(info->getPhrase());
    return printable(fallback);
}

std::string transportParameter(SipTransport transport) {
    switch (transport) {
    case SipTransport::Tcp:
        return ";transport=tcp";
    case SipTransport::Tls:
        return ";transport=tls";
    case SipTransport::Udp:
        break;
    }
    return {};
}

// The engine listens only on what the calls need: the loopback address when
// every peer is written as one, and only the account's transport.
SipCoreOptions engineOptions(const SipHost& host, const SipAccount& account) {
    SipCoreOptions options;
    const std::optional<SipHost>& registrar = account.Registrar;
    if (host.loopback && (!registrar || registrar->loopback))
        options.bindAddress = host.kind == SipHost::Kind::IPv6 ? "::1" : "127.0.0.1";
    options.ipv6 =
        host.kind != SipHost::Kind::IPv4 || (registrar && registrar->kind != SipHost::Kind::IPv4);
    options.udpPort =
        account.Transport == SipTransport::Udp ? SipCoreOptions::kAnyPort : SipCoreOptions::kNoPort;
    if (account.Transport == SipTransport::Tcp)
        options.tcpPort = SipCoreOptions::kClientOnly;
    if (account.Transport == SipTransport::Tls)
        options.tlsPort = SipCoreOptions::kClientOnly;
    options.dtmf = account.Dtmf;
    // The engine plays in-band tones only into G.711.
    options.otherCodecs = account.Dtmf != DtmfMode::Inband;
    return options;
}

std::string hostOnly(SipHost host) {
    host.port = 0;
    return host.text();
}

} // namespace

// Turns the engine's events into the line's: only the call placed last counts,
// and a call from outside is declined.
class SipLine::Events final : public linphone::CoreListener {
public:
    explicit Events(SipLine& line) : m_line(line) {}

    void onCallStateChanged(const std::shared_ptr<linphone::Core>& /*core*/,
                            const std::shared_ptr<linphone::Call>& call,
                            linphone::Call::State state, const std::string& message) override {
        using State = linphone::Call::State;
        if (call->getDir() == linphone::Call::Dir::Incoming) {
            if (state == State::IncomingReceived)
                call->decline(linphone::Reason::Declined);
            return;
        }
        if (call != m_line.m_call) {
            // The engine follows a transfer (REFER) from the far end on its own:
            // a call the line did not place ends before it goes out.
            if (!m_line.m_placing && state == State::OutgoingInit)
                m_line.later([call] { call->terminate(); });
            return;
        }
        if (state == State::StreamsRunning)
            m_line.onAnswered();
        else if (state == State::End || state == State::Error)
            m_line.onEnded(errorText(call->getErrorInfo(), message));
    }

    void onAccountRegistrationStateChanged(const std::shared_ptr<linphone::Core>& /*core*/,
                                           const std::shared_ptr<linphone::Account>& account,
                                           linphone::RegistrationState state,
                                           const std::string& /*message*/) override {
        if (state == linphone::RegistrationState::Ok ||
            state == linphone::RegistrationState::Failed)
            m_line.onRegistration(state == linphone::RegistrationState::Failed,
                                  errorText(account->getErrorInfo(), "no answer"));
    }

private:
    SipLine& m_line;
};

SipLine::SipLine(FailureHandler onFailure, std::function<std::string()> dialPrefix)
    : m_onFailure(std::move(onFailure)), m_dialPrefix(std::move(dialPrefix)),
      m_events(std::make_shared<Events>(*this)) {
    m_pacer.setSingleShot(true);
    m_pacer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_pacer, &QTimer::timeout, [this] { playNext(); });
}

SipLine::~SipLine() {
    close();
}

QString SipLine::failureText(const std::string& reason) {
    return SerialPort::openFailedText() +
           QStringLiteral("\n(SIP: %1)").arg(QString::fromStdString(reason));
}

int SipLine::open(const std::string& portValue, SettingsStore& store) {
    close();
    const std::string problem = sipLineProblem(portValue, store);
    if (!problem.empty()) {
        if (m_onFailure)
            m_onFailure(failureText(problem));
        return 0;
    }
    m_host = *sipLineHost(portValue);
    m_account = *readSipAccount(store).account;
    m_translator.emplace(static_cast<SipEngine&>(*this), m_dialPrefix);
    const std::string failure = startEngine();
    if (!failure.empty() && m_onFailure)
        m_onFailure(failureText(failure));
    return 1;
}

void SipLine::close() {
    hangUp();
    m_engine.reset();
    m_translator.reset();
}

bool SipLine::writeLine(const std::string& line) {
    return m_translator && m_translator->take(line);
}

std::string SipLine::startEngine() {
    std::string failure;
    m_registrationFailed = false;
    m_engine = HeadlessSipCore::start(engineOptions(m_host, m_account), m_events, failure);
    if (!m_engine)
        return failure;
    linphone::Core& core = m_engine->core();
    const auto factory = m_engine->factory();
    const std::optional<SipHost>& registrar = m_account.Registrar;
    const auto identity = factory->createAddress("sip:" + std::string(kAnonymousUser) + "@" +
                                                 hostOnly(registrar ? *registrar : m_host));
    if (!m_account.User.empty())
        identity->setUsername(m_account.User);
    core.setPrimaryContact(identity->asString());
    if (!registrar)
        return {};
    const auto params = core.createAccountParams();
    params->setIdentityAddress(identity);
    params->setServerAddress(factory->createAddress("sip:" + registrar->text() +
                                                    transportParameter(m_account.Transport)));
    params->enableRegister(true);
    // The calls go where the line's address says, not through the registrar.
    params->enableOutboundProxy(false);
    core.addAuthInfo(factory->createAuthInfo(m_account.User, "", m_account.Password, "", "", ""));
    const auto account = core.createAccount(params);
    core.addAccount(account);
    core.setDefaultAccount(account);
    return {};
}

bool SipLine::dial(const std::string& number) {
    if (!m_engine) {
        // The engine failed before: it is started again for this call.
        if (const std::string failure = startEngine(); !failure.empty()) {
            tellFailure(failure);
            fail(failure);
            return true;
        }
    }
    const auto address = m_engine->factory()->createAddress(
        "sip:" + number + "@" + m_host.text() + transportParameter(m_account.Transport));
    if (!address)
        return false;
    linphone::Core& core = m_engine->core();
    const auto params = core.createCallParams(nullptr);
    params->enableVideo(false);
    m_placing = true;
    m_call = core.inviteAddressWithParams(address, params);
    m_placing = false;
    if (!m_call)
        return false;
    // A call refused at once ended before it was ours to watch.
    const linphone::Call::State state = m_call->getState();
    if (state == linphone::Call::State::Error || state == linphone::Call::State::End ||
        state == linphone::Call::State::Released) {
        fail("the call could not be placed (" + errorText(m_call->getErrorInfo(), "") + ")");
        m_call.reset();
    }
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
    // Events of the call ended here are no news about the next one.
    if (const auto call = std::exchange(m_call, nullptr))
        call->terminate();
}

bool SipLine::callUp() const {
    if (!m_call)
        return false;
    const linphone::Call::State state = m_call->getState();
    return state == linphone::Call::State::StreamsRunning ||
           state == linphone::Call::State::Updating ||
           state == linphone::Call::State::UpdatedByRemote;
}

void SipLine::playNext() {
    if (!m_translator)
        return;
    if (!callUp()) {
        // The digit owed stays owed: the part fails.
        m_codes.clear();
        fail("the call is not up while the codes play");
        return;
    }
    if (m_codes.empty()) {
        m_translator->digitsDone();
        return;
    }
    const char c = m_codes.front();
    m_codes.erase(0, 1);
    if (c != ',' && m_call->sendDtmf(c) != 0) {
        m_codes.clear();
        fail("the engine did not take a digit");
        return;
    }
    m_pacer.start(c == ',' ? kPauseMs : kDigitCycleMs);
}

void SipLine::onAnswered() {
    if (m_translator && m_translator->answered())
        fail("the codes cannot be played");
}

void SipLine::onEnded(const std::string& reason) {
    m_call.reset();
    m_codes.clear();
    m_pacer.stop();
    if (m_translator && m_translator->closed())
        fail("the call ended (" + reason + ")");
}

void SipLine::onRegistration(bool failed, const std::string& reason) {
    // The engine retries on its own; one message until it succeeds again.
    if (!failed || m_registrationFailed || !m_account.Registrar) {
        m_registrationFailed = failed;
        return;
    }
    m_registrationFailed = true;
    tellFailure("registration at " + m_account.Registrar->text() + " failed (" + reason + ")");
}

void SipLine::later(std::function<void()> work) {
    QMetaObject::invokeMethod(&m_pacer, std::move(work), Qt::QueuedConnection);
}

void SipLine::tellFailure(const std::string& reason) {
    later([this, reason] {
        if (m_onFailure)
            m_onFailure(failureText(reason));
    });
}

void SipLine::fail(const std::string& reason) {
    later([this, reason] { reportFault("SIP: " + reason); });
}

} // namespace tonalink
