#include "core/modem/sip_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tonalink {
namespace {

struct FakeEngine final : SipEngine {
    std::string log;
    bool refuseDial = false;
    bool dial(const std::string& uri) override {
        log += "dial " + uri + "|";
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
    std::vector<std::string> steps; // command lines, or "!answered", "!closed", "!done"
    std::string results;            // one 1/0 per command line
    std::string engineLog;
    std::string prefix = "";
    bool refuseDial = false;
};

class SipLineTranslation : public testing::TestWithParam<Case> {};

TEST_P(SipLineTranslation, DrivesTheEngine) {
    const Case& c = GetParam();
    FakeEngine engine;
    engine.refuseDial = c.refuseDial;
    SipLineTranslator line(engine, "127.0.0.1:5081", c.prefix);
    std::string results;
    for (const std::string& step : c.steps) {
        if (step == "!answered")
            line.answered();
        else if (step == "!closed")
            line.closed();
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
             "dial sip:00201@127.0.0.1:5081|play *2*21,12|hangup|",
             "0,"},
        Case{"NonSplitPlaysTheWaitAndCodesOnceAnswered",
             {"ATDP0201,,,DT1234;\r\n", "!answered", "!done", "!closed", "ATE1V1Q0H0\r\n"},
             "11",
             "dial sip:0201@127.0.0.1:5081|play ,,,1234|"},
        Case{"MobileModemCodes",
             {"ATDT0201V;\r\n", "!answered", "AT#STX=99#;\r\n", "!done", "ATE1V1Q0H0\r\n"},
             "111",
             "dial sip:0201@127.0.0.1:5081|play 99#|hangup|"},
        Case{"CodesDueBeforeAnswer",
             {"ATDT0201;\r\n", "ATDT1234;\r\n", "ATE1V1Q0H0\r\n"},
             "101",
             "dial sip:0201@127.0.0.1:5081|hangup|"},
        Case{"BusyBeforeCodes",
             {"ATDT0201;\r\n", "!closed", "ATDT1234;\r\n", "ATE1V1Q0H0\r\n", "ATDT0201;\r\n"},
             "1001",
             "dial sip:0201@127.0.0.1:5081|dial sip:0201@127.0.0.1:5081|"},
        Case{"NonSplitNeverAnswered",
             {"ATDT0201,1234;\r\n", "ATE1V1Q0H0\r\n"},
             "10",
             "dial sip:0201@127.0.0.1:5081|hangup|"},
        Case{"FarEndLeavesWhileCodesPlay",
             {"ATDT0201;\r\n", "!answered", "ATDT1234;\r\n", "!closed", "ATE1V1Q0H0\r\n"},
             "110",
             "dial sip:0201@127.0.0.1:5081|play 1234|"},
        Case{"RefusedDialAndEmptyNumber",
             {"ATDT0201;\r\n", "ATDT,,;\r\n"},
             "00",
             "dial sip:0201@127.0.0.1:5081|",
             "",
             true}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(SipLineValue, HostOfThePortValue) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"sip:pbx.example:5062", "pbx.example:5062"},
        {"sip:127.0.0.1", "127.0.0.1"},
        {"/dev/ttyS0", std::nullopt},
        {"sip:", std::nullopt},
        {"sip:0201@pbx", std::nullopt},
        {"sip:pbx example", std::nullopt},
        {"sip:" + std::string(261, 'a'), std::nullopt},
    };
    for (const auto& [value, host] : cases)
        EXPECT_EQ(sipLineHost(value), host) << value;
}

} // namespace
} // namespace tonalink
