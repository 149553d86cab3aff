#include "core/modem/sip_address.h"
#include "core/modem/sip_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tonalink {
namespace {

struct FakeEngine final : SipEngine {
    std::string log;
    bool refuseDial = false;
    bool dial(const std::string& number) override {
        log += "dial " + number + "|";
        return !refuseDial;
    }
    bool playDigits(const std::string& digits) override {
        log += "play " + digits + "|";
        return true;
    }
    void hangUp() override { log += "hangup|"; }
};

struct Case {
    const char* name;
    // Command lines, or "!answered", "!closed", "!done", "!prefix=TEXT"
    std::vector<std::string> steps;
    std::string results; // 1/0 per command line, F per event that fails the part
    std::string engineLog;
    std::string prefix = "";
    bool refuseDial = false;
};

class SipLineTranslation : public testing::TestWithParam<Case> {};

TEST_P(SipLineTranslation, DrivesTheEngine) {
    const Case& c = GetParam();
    FakeEngine engine;
    engine.refuseDial = c.refuseDial;
    std::string prefix = c.prefix;
    SipLineTranslator line(engine, [&prefix] { return prefix; });
    std::string results;
    for (const std::string& step : c.steps) {
        if (step.rfind("!prefix=", 0) == 0)
            prefix = step.substr(8);
        else if (step == "!answered" || step == "!closed")
            results += (step == "!answered" ? line.answered() : line.closed()) ? "F" : "";
        else if (step == "!done")
            line.digitsDone();
        else
            results += line.take(step) ? '1' : '0';
    }
    EXPECT_EQ(results, c.results);
    EXPECT_EQ(engine.log, c.engineLog);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SipLineTranslation,
    testing::Values(
        Case{"SplitCallWithExtension",
             {"ATZ0\r\n", "ATX4\r\n", "ATDT0,0201;\r\n", "!answered", "ATDT*2*21,12;\r\n", "!done",
              "ATE1V1Q0H0\r\n"},
             "11111",
             "dial 00201|play *2*21,12|hangup|",
             "0,"},
        Case{"NonSplitPlaysTheWaitAndCodesOnceAnswered",
             {"ATDP0201,,,DT1234;\r\n", "!answered", "!done", "!closed", "ATE1V1Q0H0\r\n"},
             "11",
             "dial 0201|play ,,,1234|"},
        Case{"MobileModemCodes",
             {"ATDT0201V;\r\n", "!answered", "AT#STX=99#;\r\n", "!done", "ATE1V1Q0H0\r\n"},
             "111",
             "dial 0201|play 99#|hangup|"},
        Case{"CodesDueBeforeAnswer",
             {"ATDT0201;\r\n", "ATDT1234;\r\n", "ATE1V1Q0H0\r\n"},
             "100",
             "dial 0201|hangup|"},
        Case{"BusyBeforeCodes",
             {"ATDT0201;\r\n", "!closed", "ATDT1234;\r\n", "ATE1V1Q0H0\r\n", "ATDT0201;\r\n"},
             "1F001",
             "dial 0201|dial 0201|"},
        Case{"NonSplitNeverAnswered",
             {"ATDT0201,1234;\r\n", "ATE1V1Q0H0\r\n"},
             "10",
             "dial 0201|hangup|"},
        Case{"FarEndLeavesWhileCodesPlay",
             {"ATDT0201;\r\n", "!answered", "ATDT1234;\r\n", "!closed", "ATE1V1Q0H0\r\n"},
             "11F0",
             "dial 0201|play 1234|"},
        Case{"FarEndLeavesBeforeTheCodes",
             {"ATDT0201;\r\n", "!answered", "!closed", "ATDT1234;\r\n", "ATE1V1Q0H0\r\n"},
             "1F00",
             "dial 0201|"},
        Case{"PrefixReadAtEveryDial",
             {"!prefix=0,", "ATDT0,123;\r\n", "ATE1V1Q0H0\r\n", "!prefix=", "ATDT0,123;\r\n"},
             "111",
             "dial 0123|hangup|dial 0|"},
        Case{"RefusedDialAndEmptyNumber",
             {"ATDT0201;\r\n", "ATDT,,;\r\n"},
             "00",
             "dial 0201|",
             "",
             true}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(SipLineValue, HostOfThePortValue) {
    using K = SipHost::Kind;
    const std::vector<std::pair<std::string, std::optional<SipHost>>> cases = {
        {"sip:pbx.example:5062", SipHost{K::Name, "pbx.example", 5062, false}},
        {"sip:127.0.0.1", SipHost{K::IPv4, "127.0.0.1", 0, true}},
        {"sip:127.example.com", SipHost{K::Name, "127.example.com", 0, false}},
        {"sip:localhost", SipHost{K::Name, "localhost", 0, false}},
        {"sip:192.0.2.7:65535", SipHost{K::IPv4, "192.0.2.7", 65535, false}},
        {"sip:[::1]:5070", SipHost{K::IPv6, "::1", 5070, true}},
        {"sip:[0:0::0001]", SipHost{K::IPv6, "0:0::0001", 0, true}},
        {"sip:[2001:db8::1]", SipHost{K::IPv6, "2001:db8::1", 0, false}},
        {"sip:[::ffff:192.0.2.7]", SipHost{K::IPv6, "::ffff:192.0.2.7", 0, false}},
    };
    for (const auto& [value, host] : cases)
        EXPECT_EQ(sipLineHost(value), host) << value;
    for (const std::string bad :
         {"/dev/ttyS0", "sip:", "sip:0201@pbx", "sip:pbx example", "sip:::1", "sip:[::1",
          "sip:[::1]5060", "sip:[1::2::3]", "sip:pbx:", "sip:pbx:0", "sip:pbx:65536",
          "sip:256.0.0.1", "sip:127.0.0.01", "sip:1.2.3", "sip:-pbx.example", "sip:pbx;lr"})
        EXPECT_EQ(sipLineHost(bad), std::nullopt) << bad;
    EXPECT_EQ(sipLineHost("sip:" + std::string(254, 'a')), std::nullopt);
    EXPECT_EQ(SipHost({K::IPv6, "::1", 5070, true}).text(), "[::1]:5070");
}

} // namespace
} // namespace tonalink
