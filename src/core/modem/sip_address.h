#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tonalink {

// Where a SIP line or its registrar is: HOST[:PORT], HOST a DNS name, an IPv4
// address or an IPv6 address in brackets.
struct SipHost {
    enum class Kind { Name, IPv4, IPv6 };
    Kind kind = Kind::Name;
    std::string host;  // IPv6 without its brackets
    uint16_t port = 0; // 0: the transport's default
    // Written as a loopback address (127.0.0.0/8, ::1); a name never is, since
    // only the resolver knows where it leads.
    bool loopback = false;

    // HOST[:PORT] as a SIP URI holds it.
    std::string text() const;
    bool operator==(const SipHost&) const = default;
};

// nullopt when `text` is not such a HOST[:PORT]: empty or too long, a user part,
// blanks, a malformed address or name, a port outside 1..65535.
std::optional<SipHost> parseSipHost(std::string_view text);

// A [Ports] value beginning with "sip:" names a SIP line instead of a device.
bool isSipLineValue(std::string_view portValue);
// The host of a SIP line value; nullopt when the value is none or its host is bad.
std::optional<SipHost> sipLineHost(std::string_view portValue);

} // namespace tonalink
