#include "tone_plan.h"

#include <gtest/gtest.h>

using namespace tonalink::modemsim;

namespace {

TonePlan tones(std::string_view digits) {
    TonePlan plan;
    for (char d : digits) {
        plan.push_back({d, 95});
        plan.push_back({0, 95});
    }
    return plan;
}

TonePlan pulses(std::string_view digits) {
    TonePlan plan;
    for (char d : digits)
        plan.push_back({0, (d == '0' ? 10 : d - '0') * 100 + 700});
    return plan;
}

TonePlan pauses(int count) {
    return TonePlan(count, ToneSegment{0, 2000});
}

TonePlan operator+(TonePlan a, const TonePlan& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct PlanCase {
    const char* name;
    const char* line;
    TonePlan expected;
};

class TonePlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(TonePlanTest, RendersWhatTheModemPutsOnTheLine) {
    EXPECT_EQ(tonePlanForLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TonePlanTest,
    testing::Values(PlanCase{"ToneDialEveryKey", "ATDT0123456789*#;", tones("0123456789*#")},
                    PlanCase{"LowerCaseCommand", "atdt12;", tones("12")},
                    PlanCase{"CommaIsATwoSecondPause", "ATDT0,123;",
                             tones("0") + pauses(1) + tones("123")},
                    PlanCase{"PulseThenTonesAfterDT", "ATDP0,123,,,,,,DT1234;",
                             pulses("0") + pauses(1) + pulses("123") + pauses(6) + tones("1234")},
                    PlanCase{"PulseCannotSendStarOrHash", "ATDP1*#9;", pulses("19")},
                    PlanCase{"MobileCodeLine", "AT#STX=12*#;", tones("12*#")},
                    PlanCase{"MobileDialSuffixIsSilent", "ATDT0901234V;", tones("0901234")},
                    PlanCase{"DialAfterOtherCommands", "ATX4S7=30&D2DT5;", tones("5")},
                    PlanCase{"NothingAfterSemicolon", "ATDT1;D2", tones("1")},
                    PlanCase{"Reset", "ATZ0", TonePlan{}},
                    PlanCase{"HangUp", "ATE1V1Q0H0", TonePlan{}},
                    PlanCase{"AmpersandDIsNotADial", "AT&D2", TonePlan{}},
                    PlanCase{"NotACommand", "D123", TonePlan{}}, PlanCase{"Empty", "", TonePlan{}}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

} // namespace
