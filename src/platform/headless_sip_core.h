#pragma once

#include "core/app/settings_sip.h"

#include <QTemporaryDir>
#include <QTimer>
#include <linphone++/linphone.hh>
#include <memory>
#include <string>
#include <vector>

namespace tonalink {

// How a headless SIP core is set up.
struct SipCoreOptions {
    static constexpr int kAnyPort = -1;    // a free port the system picks
    static constexpr int kNoPort = 0;      // the transport is off
    static constexpr int kClientOnly = -2; // connections out only, no listening socket

    std::string bindAddress; // empty: every address of the machine
    bool ipv6 = false;
    int udpPort = kAnyPort;
    int tcpPort = kNoPort;
    int tlsPort = kNoPort;
    DtmfMode dtmf = DtmfMode::Rfc4733;
    // Codecs offered first, in order; the engine's other codecs follow when
    // `otherCodecs` is set and stay off otherwise.
    std::vector<std::string> firstCodecs = {"PCMU", "PCMA"};
    bool otherCodecs = true;
};

// A liblinphone core with no sound card (the call's audio is silence), no video,
// chat, transfer or storage of its own, driven from the Qt event loop. It takes
// no call unless its listener answers one.
class HeadlessSipCore final {
public:
    // The running core, or nullptr with `failure` saying why it could not start.
    static std::unique_ptr<HeadlessSipCore> start(const SipCoreOptions& options,
                                                  std::shared_ptr<linphone::CoreListener> listener,
                                                  std::string& failure);
    ~HeadlessSipCore();
    HeadlessSipCore(const HeadlessSipCore&) = delete;
    HeadlessSipCore& operator=(const HeadlessSipCore&) = delete;

    linphone::Core& core() { return *m_core; }
    std::shared_ptr<linphone::Factory> factory() const { return linphone::Factory::get(); }

private:
    HeadlessSipCore() = default;

    QTemporaryDir m_dir; // whatever liblinphone keeps on disk, removed with the core
    std::shared_ptr<linphone::Core> m_core;
    std::shared_ptr<linphone::CoreListener> m_listener;
    QTimer m_iterate;
};

} // namespace tonalink
