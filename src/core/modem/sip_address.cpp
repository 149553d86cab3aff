#include "core/modem/sip_address.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tonalink {
namespace {

constexpr std::string_view kScheme = "sip:";
constexpr std::size_t kMaxNameLength = 253;
constexpr std::size_t kMaxHostPortLength = kMaxNameLength + 6; // ":65535"
constexpr std::size_t kMaxLabelLength = 63;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// A decimal number of at most `maxDigits` digits without leading zeros.
std::optional<unsigned> decimal(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits ||
        !std::all_of(text.begin(), text.end(), isDigit) || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    unsigned value = 0;
    for (char c : text)
        value = value * 10 + static_cast<unsigned>(c - '0');
    return value;
}

std::optional<std::array<uint8_t, 4>> ipv4(std::string_view text) {
    const std::vector<std::string_view> parts = split(text, '.');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<unsigned> part = decimal(parts[i], 3);
        if (!part || *part > 255)
            return std::nullopt;
        bytes[i] = static_cast<uint8_t>(*part);
    }
    return bytes;
}

// Appends the 16-bit groups of one side of "::"; an IPv4 tail counts as two.
bool appendGroups(std::string_view side, bool mayEndInIpv4, std::vector<unsigned>& groups) {
    if (side.empty())
        return true;
    const std::vector<std::string_view> parts = split(side, ':');
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (mayEndInIpv4 && i + 1 == parts.size() && part.find('.') != std::string_view::npos) {
            const auto v4 = ipv4(part);
            if (!v4)
                return false;
            groups.push_back((*v4)[0] * 256u + (*v4)[1]);
            groups.push_back((*v4)[2] * 256u + (*v4)[3]);
            continue;
        }
        if (part.empty() || part.size() > 4 || !std::all_of(part.begin(), part.end(), isHexDigit))
            return false;
        groups.push_back(static_cast<unsigned>(std::stoul(std::string(part), nullptr, 16)));
    }
    return true;
}

// The eight groups of an IPv6 address in its text forms ("::" at most once).
std::optional<std::array<unsigned, 8>> ipv6(std::string_view text) {
    const std::size_t gap = text.find("::");
    std::vector<unsigned> head, tail;
    const bool compressed = gap != std::string_view::npos;
    if (compressed && text.find("::", gap + 1) != std::string_view::npos)
        return std::nullopt;
    if (!compressed) {
        if (!appendGroups(text, true, head) || head.size() != 8)
            return std::nullopt;
    } else if (!appendGroups(text.substr(0, gap), false, head) ||
               !appendGroups(text.substr(gap + 2), true, tail) || head.size() + tail.size() > 7) {
        return std::nullopt;
    }
    std::array<unsigned, 8> groups{};
    std::copy(head.begin(), head.end(), groups.begin());
    std::copy(tail.begin(), tail.end(), groups.end() - static_cast<std::ptrdiff_t>(tail.size()));
    return groups;
}

// Letters, digits and inner hyphens in labels of at most 63; the last label not
// all digits, so a mistyped address is no name.
bool isDnsName(std::string_view text) {
    if (text.empty() || text.size() > kMaxNameLength)
        return false;
    const std::vector<std::string_view> labels = split(text, '.');
    for (std::string_view label : labels) {
        const bool ok =
            !label.empty() && label.size() <= kMaxLabelLength && label.front() != '-' &&
            label.back() != '-' && std::all_of(label.begin(), label.end(), [](char c) {
                return isDigit(c) || c == '-' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            });
        if (!ok)
            return false;
    }
    const std::string_view last = labels.back();
    return !std::all_of(last.begin(), last.end(), isDigit);
}

std::optional<SipHost> parseHost(std::string_view host, bool bracketed) {
    SipHost out{SipHost::Kind::Name, std::string(host), 0, false};
    if (bracketed) {
        const auto groups = ipv6(host);
        if (!groups)
            return std::nullopt;
        out.kind = SipHost::Kind::IPv6;
        out.loopback = *groups == std::array<unsigned, 8>{0, 0, 0, 0, 0, 0, 0, 1};
        return out;
    }
    if (const auto v4 = ipv4(host)) {
        out.kind = SipHost::Kind::IPv4;
        out.loopback = (*v4)[0] == 127;
        return out;
    }
    return isDnsName(host) ? std::optional<SipHost>(out) : std::nullopt;
}

} // namespace

std::string SipHost::text() const {
    std::string out = kind == Kind::IPv6 ? "[" + host + "]" : host;
    if (port != 0)
        out += ":" + std::to_string(port);
    return out;
}

std::optional<SipHost> parseSipHost(std::string_view text) {
    if (text.size() > kMaxHostPortLength)
        return std::nullopt;
    const bool bracketed = !text.empty() && text.front() == '[';
    const std::size_t hostEnd = bracketed ? text.find(']') : text.find(':');
    if (bracketed && hostEnd == std::string_view::npos)
        return std::nullopt;
    std::optional<SipHost> out = bracketed ? parseHost(text.substr(1, hostEnd - 1), true)
                                           : parseHost(text.substr(0, hostEnd), false);
    const std::size_t portStart = bracketed ? hostEnd + 1 : hostEnd;
    if (!out || portStart >= text.size())
        return out;
    const std::optional<unsigned> port =
        text[portStart] == ':' ? decimal(text.substr(portStart + 1), 5) : std::nullopt;
    if (!port || *port == 0 || *port > 65535)
        return std::nullopt;
    out->port = static_cast<uint16_t>(*port);
    return out;
}

bool isSipLineValue(std::string_view portValue) {
    return portValue.substr(0, kScheme.size()) == kScheme;
}

std::optional<SipHost> sipLineHost(std::string_view portValue) {
    if (!isSipLineValue(portValue))
        return std::nullopt;
    return parseSipHost(portValue.substr(kScheme.size()));
}

} // namespace tonalink
