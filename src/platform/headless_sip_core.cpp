#include "platform/headless_sip_core.h"

#include <algorithm>

namespace tonalink {
namespace {

constexpr int kIterateMs = 20;

void applyOptions(linphone::Config& config, const SipCoreOptions& options) {
    if (!options.bindAddress.empty()) {
        config.setString("sip", "bind_address", options.bindAddress);
        config.setString("rtp", "bind_address", options.bindAddress);
    }
    config.setInt("sip", "use_ipv6", options.ipv6 ? 1 : 0);
    // Read once at start, so the engine binds its ports once.
    config.setInt("sip", "sip_port", options.udpPort);
    config.setInt("sip", "sip_tcp_port", options.tcpPort);
    config.setInt("sip", "sip_tls_port", options.tlsPort);
    // The identity says what it was given, not an address guessed from the machine's.
    config.setInt("sip", "guess_hostname", 0);
    // Neither RFC 4733 nor SIP INFO: no telephone-event is offered, so G.711
    // carries the tones in its audio.
    config.setInt("sip", "use_rfc2833", options.dtmf == DtmfMode::Rfc4733 ? 1 : 0);
    config.setInt("sip", "use_info", options.dtmf == DtmfMode::Info ? 1 : 0);
    config.setInt("sip", "auto_answer_replacing_calls", 0);
    config.setInt("video", "capture", 0);
    config.setInt("video", "display", 0);
    config.setInt("video", "automatically_initiate", 0);
    config.setInt("video", "automatically_accept", 0);
}

void orderCodecs(linphone::Core& core, const SipCoreOptions& options) {
    std::list<std::shared_ptr<linphone::PayloadType>> all = core.getAudioPayloadTypes();
    std::list<std::shared_ptr<linphone::PayloadType>> ordered;
    for (const std::string& mime : options.firstCodecs) {
        const auto first = std::stable_partition(
            all.begin(), all.end(), [&mime](const auto& pt) { return pt->getMimeType() == mime; });
        std::for_each(all.begin(), first, [](const auto& pt) { pt->enable(true); });
        ordered.splice(ordered.end(), all, all.begin(), first);
    }
    for (const auto& pt : all)
        pt->enable(options.otherCodecs);
    ordered.splice(ordered.end(), all);
    core.setAudioPayloadTypes(ordered);
}

// Checks that each transport asked to listen on a given port does.
std::string listeningFailure(linphone::Core& core, const SipCoreOptions& options) {
    const auto used = core.getTransportsUsed();
    const std::pair<const char*, std::pair<int, int>> checks[] = {
        {"UDP", {options.udpPort, used->getUdpPort()}},
        {"TCP", {options.tcpPort, used->getTcpPort()}},
        {"TLS", {options.tlsPort, used->getTlsPort()}},
    };
    for (const auto& [name, ports] : checks) {
        const auto [wanted, got] = ports;
        if ((wanted > 0 && got != wanted) || (wanted == SipCoreOptions::kAnyPort && got <= 0))
            return std::string("cannot listen for SIP on ") + name +
                   (wanted > 0 ? " port " + std::to_string(wanted) + " (in use?)" : "");
    }
    return {};
}

} // namespace

std::unique_ptr<HeadlessSipCore>
HeadlessSipCore::start(const SipCoreOptions& options,
                       std::shared_ptr<linphone::CoreListener> listener, std::string& failure) {
    std::unique_ptr<HeadlessSipCore> self(new HeadlessSipCore);
    if (!self->m_dir.isValid()) {
        failure = "no temporary folder for the SIP engine";
        return nullptr;
    }
    // The engine reports to us through its events; its own log stays quiet.
    linphone::LoggingService::get()->setLogLevel(linphone::LogLevel::Fatal);
    const auto factory = linphone::Factory::get();
    factory->setDataDir(self->m_dir.path().toStdString());
    factory->setConfigDir(self->m_dir.path().toStdString());
    // No media plugins: the one Debian ships is a video display built on Qt 5,
    // which has no place in this process.
    factory->setMspluginsDir(self->m_dir.path().toStdString());
    const auto config = factory->createConfig("");
    applyOptions(*config, options);
    self->m_core = factory->createCoreWithConfig(config, nullptr);
    if (!self->m_core) {
        failure = "the SIP engine (liblinphone) cannot be created";
        return nullptr;
    }
    linphone::Core& core = *self->m_core;
    self->m_listener = std::move(listener);
    core.addListener(self->m_listener);
    core.setUseFiles(true);
    core.enableVideoCapture(false);
    core.enableVideoDisplay(false);
    core.disableChat(linphone::Reason::NotAcceptable);
    // One call, and room for the one a transfer from the far end starts, which
    // the engine cannot refuse but its listener ends at once.
    core.setMaxCalls(2);
    core.setAudioPort(SipCoreOptions::kAnyPort);
    orderCodecs(core, options);
    if (core.start() != 0) {
        failure = "the SIP engine (liblinphone) cannot start";
        return nullptr;
    }
    failure = listeningFailure(core, options);
    if (!failure.empty())
        return nullptr;
    QObject::connect(&self->m_iterate, &QTimer::timeout, [&core] { core.iterate(); });
    self->m_iterate.start(kIterateMs);
    return self;
}

HeadlessSipCore::~HeadlessSipCore() {
    m_iterate.stop();
    if (!m_core)
        return;
    m_core->removeListener(m_listener);
    m_core->stop();
}

} // namespace tonalink
