#include "core/app/settings_sip.h"
#include "core/app/settings_store.h"

#include <gtest/gtest.h>

namespace tonalink::test {
namespace {

// The section as written (CP932), and the account the line then uses or the
// refusal it opens with.
struct AccountCase {
    std::vector<std::pair<const char*, std::string>> keys;
    SipAccountRead expected;
};

TEST(SipAccount, UsableValuesAsWrittenAndEveryOtherRefused) {
    const SipHost pbx{SipHost::Kind::Name, "pbx.example", 5061, false};
    const auto refused = [](const char* problem) { return SipAccountRead{std::nullopt, problem}; };
    const AccountCase cases[] = {
        {{}, {SipAccount{}, ""}},
        {{{"User", "alice"},
          {"Password", "a; \"<b>\\' x"},
          {"Registrar", "pbx.example:5061"},
          {"Transport", "TLS"},
          {"DtmfMode", "Info"}},
         {SipAccount{"alice", "a; \"<b>\\' x", pbx, SipTransport::Tls, DtmfMode::Info}, ""}},
        {{{"User", "bob"}, {"Password", "\x83\x70\x83\x58"}, {"DtmfMode", "inband"}},
         {SipAccount{"bob", "パス", std::nullopt, SipTransport::Udp, DtmfMode::Inband}, ""}},
        {{{"User", "a b"}},
         refused("[Sip] User may hold only letters, digits and -_.!~*'()&=+$,;?/")},
        {{{"User", "alice"}, {"Password", "tab\there"}},
         refused("[Sip] Password holds a control character or a byte that is no text")},
        {{{"User", "alice"}, {"Registrar", "pbx example"}},
         refused("[Sip] Registrar is not HOST[:PORT] (a name, an IPv4 address or [an IPv6 "
                 "address])")},
        {{{"Registrar", "pbx.example"}}, refused("[Sip] Registrar and Password need a User")},
        {{{"Transport", "sctp"}}, refused("[Sip] Transport must be udp, tcp or tls")},
        {{{"DtmfMode", "rfc2833"}}, refused("[Sip] DtmfMode must be rfc4733, info or inband")},
    };
    for (const AccountCase& c : cases) {
        MemorySettingsStore store;
        for (const auto& [key, value] : c.keys)
            store.writeString("Sip", key, value);
        EXPECT_EQ(readSipAccount(store), c.expected) << testing::PrintToString(c.keys);
    }
    MemorySettingsStore store;
    EXPECT_EQ(sipLineProblem("sip:127.example.com:5060", store), "");
    EXPECT_EQ(sipLineProblem("/dev/ttyS0", store), "");
    EXPECT_EQ(sipLineProblem("sip:[::1", store),
              "[Ports] a SIP line reads sip:HOST[:PORT] (a name, an IPv4 address or [an IPv6 "
              "address])");
}

} // namespace
} // namespace tonalink::test
