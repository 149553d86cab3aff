#include "core/app/settings_sip.h"
#include "core/app/settings_store.h"

#include <gtest/gtest.h>

namespace tonalink::test {
namespace {

// What cannot stay inside the account line reads as empty; unknown choices fall
// back to the defaults.
TEST(SipAccount, UnsafeOrUnknownValuesReadAsTheirDefaults) {
    const struct {
        const char *user, *password, *transport, *dtmf;
        SipAccount expected;
    } cases[] = {
        {"alice",
         "s3cret",
         "TLS",
         "inband",
         {"alice", "s3cret", "pbx.example:5061", "tls", "inband"}},
        {"a;b", "x\"y", "sctp", "", {"", "", "pbx.example:5061", "udp", "rfc4733"}},
        {"bob>", "p w", "tcp", "RFC4733", {"", "", "pbx.example:5061", "tcp", "rfc4733"}},
        {"carol\n", "", "", "info", {"", "", "pbx.example:5061", "udp", "rfc4733"}},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.writeString("Sip", "User", c.user);
        store.writeString("Sip", "Password", c.password);
        store.writeString("Sip", "Registrar", "pbx.example:5061");
        store.writeString("Sip", "Transport", c.transport);
        store.writeString("Sip", "DtmfMode", c.dtmf);
        EXPECT_EQ(loadSipAccount(store), c.expected) << c.user;
    }
    MemorySettingsStore store;
    store.writeString("Sip", "Registrar", std::string(129, 'r'));
    EXPECT_FALSE(loadSipAccount(store).registers());
}

} // namespace
} // namespace tonalink::test
