#pragma once

#include <string>

namespace tonalink {

class SettingsStore;

// The optional `[Sip]` section: the account a SIP line calls from. Written by
// hand only; the program never writes it back.
struct SipAccount {
    std::string User;
    std::string Password;
    std::string Registrar; // HOST[:PORT]; empty: no registration
    std::string Transport; // "udp", "tcp" or "tls"
    std::string DtmfMode;  // "rfc4733" or "inband"

    bool registers() const { return !User.empty() && !Registrar.empty(); }
    bool operator==(const SipAccount&) const = default;
};

// Values that could break out of the account line (quotes, angle brackets, ';',
// blanks, line breaks) or that are too long are refused: the key reads as empty,
// an unknown Transport as "udp", an unknown DtmfMode as "rfc4733".
SipAccount loadSipAccount(SettingsStore& store);

} // namespace tonalink
