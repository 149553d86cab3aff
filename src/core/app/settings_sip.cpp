#include "core/app/settings_sip.h"

#include "core/app/settings_store.h"
#include "core/common/cp932.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tonalink {
namespace {

constexpr std::string_view kSection = "Sip";
constexpr std::size_t kMaxUserBytes = 64;
constexpr std::size_t kMaxPasswordBytes = 128;

// What a SIP URI's user part holds as it is: letters, digits and the marks and
// user-unreserved characters.
bool isUserCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           std::string_view("-_.!~*'()&=+$,;?/").find(c) != std::string_view::npos;
}

bool isControl(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

// The index of `value` (ASCII case ignored) in `names`; an empty value is the
// first name.
template <std::size_t N>
std::optional<std::size_t> choice(const std::string& value,
                                  const std::array<std::string_view, N>& names) {
    if (value.empty())
        return 0;
    const auto found = std::find(names.begin(), names.end(), lower(value));
    if (found == names.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - names.begin());
}

std::string userProblem(const std::string& user) {
    if (user.size() > kMaxUserBytes)
        return "[Sip] User is longer than 64 bytes";
    if (!std::all_of(user.begin(), user.end(), isUserCharacter))
        return "[Sip] User may hold only letters, digits and -_.!~*'()&=+$,;?/";
    return {};
}

} // namespace

SipAccountRead readSipAccount(SettingsStore& store) {
    const auto read = [&store](std::string_view key) {
        return store.readString(kSection, key, "");
    };
    const auto refuse = [](std::string problem) {
        return SipAccountRead{std::nullopt, std::move(problem)};
    };
    SipAccount account;
    account.User = read("User");
    if (std::string problem = userProblem(account.User); !problem.empty())
        return refuse(problem);

    const std::string password = read("Password");
    if (password.size() > kMaxPasswordBytes)
        return refuse("[Sip] Password is longer than 128 bytes");
    const std::optional<std::string> utf8 = cp932::toUtf8(password);
    if (!utf8 || std::any_of(password.begin(), password.end(), isControl))
        return refuse("[Sip] Password holds a control character or a byte that is no text");
    account.Password = *utf8;

    if (const std::string registrar = read("Registrar"); !registrar.empty()) {
        account.Registrar = parseSipHost(registrar);
        if (!account.Registrar)
            return refuse("[Sip] Registrar is not HOST[:PORT] (a name, an IPv4 address or "
                          "[an IPv6 address])");
    }
    if (account.User.empty() && (account.Registrar || !account.Password.empty()))
        return refuse("[Sip] Registrar and Password need a User");

    static constexpr std::array<std::string_view, 3> kTransports = {"udp", "tcp", "tls"};
    const auto transport = choice(read("Transport"), kTransports);
    if (!transport)
        return refuse("[Sip] Transport must be udp, tcp or tls");
    account.Transport = static_cast<SipTransport>(*transport);

    static constexpr std::array<std::string_view, 3> kDtmfModes = {"rfc4733", "info", "inband"};
    const auto dtmf = choice(read("DtmfMode"), kDtmfModes);
    if (!dtmf)
        return refuse("[Sip] DtmfMode must be rfc4733, info or inband");
    account.Dtmf = static_cast<DtmfMode>(*dtmf);
    return {std::move(account), {}};
}

std::string sipLineProblem(std::string_view portValue, SettingsStore& store) {
    if (!isSipLineValue(portValue))
        return {};
    if (!sipLineHost(portValue))
        return "[Ports] a SIP line reads sip:HOST[:PORT] (a name, an IPv4 address or "
               "[an IPv6 address])";
    return readSipAccount(store).problem;
}

} // namespace tonalink
