#include "core/app/settings_sip.h"

#include "core/app/settings_store.h"

#include <algorithm>

namespace tonalink {
namespace {

constexpr std::string_view kSection = "Sip";
constexpr std::size_t kMaxValueBytes = 128;

bool safeInAccountLine(unsigned char c) {
    return c > ' ' && c < 0x7F && c != '"' && c != '<' && c != '>' && c != ';' && c != '\\';
}

std::string readSafe(SettingsStore& store, std::string_view key) {
    std::string value = store.readString(kSection, key, "");
    if (value.size() > kMaxValueBytes || !std::all_of(value.begin(), value.end(), [](char c) {
            return safeInAccountLine(static_cast<unsigned char>(c));
        }))
        return {};
    return value;
}

std::string oneOf(std::string value, std::initializer_list<std::string_view> allowed) {
    std::transform(value.begin(), value.end(), value.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end()
               ? value
               : std::string(*allowed.begin());
}

} // namespace

SipAccount loadSipAccount(SettingsStore& store) {
    SipAccount account;
    account.User = readSafe(store, "User");
    account.Password = readSafe(store, "Password");
    account.Registrar = readSafe(store, "Registrar");
    account.Transport = oneOf(readSafe(store, "Transport"), {"udp", "tcp", "tls"});
    account.DtmfMode = oneOf(readSafe(store, "DtmfMode"), {"rfc4733", "inband"});
    return account;
}

} // namespace tonalink
