#pragma once

#include "core/modem/sip_address.h"

#include <optional>
#include <string>
#include <string_view>

namespace tonalink {

class SettingsStore;

enum class SipTransport { Udp, Tcp, Tls };
enum class DtmfMode { Rfc4733, Info, Inband };

// The optional `[Sip]` section: the account a SIP line calls from. Written by
// hand only; the program never writes it back.
struct SipAccount {
    std::string User;                 // empty: calls as an anonymous local user
    std::string Password;             // UTF-8
    std::optional<SipHost> Registrar; // none: no registration
    SipTransport Transport = SipTransport::Udp;
    DtmfMode Dtmf = DtmfMode::Rfc4733;

    bool operator==(const SipAccount&) const = default;
};

// The account, or why a value in the section cannot be used (ASCII text naming
// the key). A missing key takes its default; a value the line cannot use is
// never turned into another one.
struct SipAccountRead {
    std::optional<SipAccount> account;
    std::string problem;

    bool operator==(const SipAccountRead&) const = default;
};
SipAccountRead readSipAccount(SettingsStore& store);

// Why the line a `[Ports]` value names cannot be used: a SIP address that is no
// sip:HOST[:PORT], or a `[Sip]` value. Empty for a usable SIP line and for any
// value that is not a SIP line.
std::string sipLineProblem(std::string_view portValue, SettingsStore& store);

} // namespace tonalink
