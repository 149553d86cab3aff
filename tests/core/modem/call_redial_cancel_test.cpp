#include "call_harness.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tonalink::test {
namespace {

using Lines = std::vector<TimedLine>;
using Records = std::vector<LogRecord>;

const std::vector<std::string> kTwoParts{"11#", "22#"};

// The undisturbed two-part call of baseSettings(): ends with IDOK at 47000.
const Lines kTwoPartCall{{3500, kDial},  {7500, codes("11#")},  {20500, kHangUp},
                         {28000, kDial}, {32000, codes("22#")}, {45000, kHangUp}};
const Records kTwoPartRecords{{22500, "123", 0, "*2*211#"}};

enum class Press { Redial, Cancel };

struct Step {
    int64_t ms;
    Press press;
};

struct RedialCase {
    const char* name;
    std::vector<Step> steps;
    Lines lines;
    std::vector<int64_t> recordTimes;
    std::vector<std::string> counters;
    int64_t endMs;
    int32_t reDialTime = 5;
    int32_t msgSendC = 0;
};

void press(CallHarness& h, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        h.runUntil(step.ms);
        if (step.press == Press::Redial) {
            h.sequence->redial();
        } else {
            h.sequence->cancel();
        }
    }
}

class RedialInEveryState : public ::testing::TestWithParam<RedialCase> {};

TEST_P(RedialInEveryState, HangsUpAndDialsTheSamePartAgainAfterReDialTime) {
    const RedialCase& c = GetParam();
    CallSettings s = baseSettings();
    s.ReDialTime = c.reDialTime;
    s.MsgSendC = c.msgSendC;
    CallHarness h;
    ASSERT_EQ(h.start(s, kTwoParts), 0);
    press(h, c.steps);
    if (!c.steps.empty() && h.sequence->running()) {
        EXPECT_EQ(h.sequence->status(), CallStatus::WaitingToRedial);
    }
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, c.lines);
    std::vector<int64_t> recordTimes;
    for (const LogRecord& r : h.records) {
        recordTimes.push_back(r.ms);
    }
    EXPECT_EQ(recordTimes, c.recordTimes);
    EXPECT_EQ(h.counters, c.counters);
    EXPECT_EQ(h.ending, (Ending{c.endMs, IDOK}));
    EXPECT_FALSE(h.modem.anyPending());
}

INSTANTIATE_TEST_SUITE_P(
    CallSequence, RedialInEveryState,
    ::testing::Values(RedialCase{"Initialising",
                                 {{1000, Press::Redial}},
                                 {{1000, kHangUp},
                                  {9500, kDial},
                                  {13500, codes("11#")},
                                  {26500, kHangUp},
                                  {34000, kDial},
                                  {38000, codes("22#")},
                                  {51000, kHangUp}},
                                 {28500},
                                 {"1/2", "2/2"},
                                 53000},
                      RedialCase{"SendingFirstPart",
                                 {{10000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {10000, kHangUp},
                                  {18500, kDial},
                                  {22500, codes("11#")},
                                  {35500, kHangUp},
                                  {43000, kDial},
                                  {47000, codes("22#")},
                                  {60000, kHangUp}},
                                 {37500},
                                 {"1/2", "1/2", "2/2"},
                                 62000},
                      RedialCase{"DiallingSecondPart",
                                 {{30000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {20500, kHangUp},
                                  {28000, kDial},
                                  {30000, kHangUp},
                                  {38500, kDial},
                                  {42500, codes("22#")},
                                  {55500, kHangUp}},
                                 {22500},
                                 {"1/2", "2/2", "2/2"},
                                 57500},
                      RedialCase{"DiallingSecondPartInReverse",
                                 {{30000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("22#")},
                                  {20500, kHangUp},
                                  {28000, kDial},
                                  {30000, kHangUp},
                                  {38500, kDial},
                                  {42500, codes("11#")},
                                  {55500, kHangUp}},
                                 {22500},
                                 {"2/2", "1/2", "1/2"},
                                 57500,
                                 5,
                                 1},
                      // In the 2000 ms after a hang-up the advance step still runs and its
                      // pause replaces the redial's.
                      RedialCase{"RightAfterHangUp",
                                 {{21000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {20500, kHangUp},
                                  {21000, kHangUp},
                                  {28000, kDial},
                                  {32000, codes("22#")},
                                  {45000, kHangUp}},
                                 {22500},
                                 {"1/2", "2/2"},
                                 47000},
                      RedialCase{"RightAfterHangUpWithShortReDialTime",
                                 {{21000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {20500, kHangUp},
                                  {21000, kHangUp},
                                  {28000, kDial},
                                  {32000, codes("22#")},
                                  {45000, kHangUp}},
                                 {22500},
                                 {"1/2", "2/2"},
                                 47000,
                                 1},
                      RedialCase{"RightAfterLastHangUp",
                                 {{46000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {20500, kHangUp},
                                  {28000, kDial},
                                  {32000, codes("22#")},
                                  {45000, kHangUp},
                                  {46000, kHangUp}},
                                 {22500},
                                 {"1/2", "2/2"},
                                 47000},
                      RedialCase{"BetweenParts",
                                 {{23000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {20500, kHangUp},
                                  {23000, kHangUp},
                                  {31500, kDial},
                                  {35500, codes("22#")},
                                  {48500, kHangUp}},
                                 {22500},
                                 {"1/2", "2/2"},
                                 50500},
                      RedialCase{"WaitingForTheNextDial",
                                 {{26000, Press::Redial}},
                                 {{3500, kDial},
                                  {7500, codes("11#")},
                                  {20500, kHangUp},
                                  {26000, kHangUp},
                                  {34500, kDial},
                                  {38500, codes("22#")},
                                  {51500, kHangUp}},
                                 {22500},
                                 {"1/2", "2/2"},
                                 53500},
                      RedialCase{"WaitingToRedial",
                                 {{1000, Press::Redial}, {3000, Press::Redial}},
                                 {{1000, kHangUp},
                                  {3000, kHangUp},
                                  {11500, kDial},
                                  {15500, codes("11#")},
                                  {28500, kHangUp},
                                  {36000, kDial},
                                  {40000, codes("22#")},
                                  {53000, kHangUp}},
                                 {30500},
                                 {"1/2", "2/2"},
                                 55000}),
    [](const ::testing::TestParamInfo<RedialCase>& info) { return info.param.name; });

struct CancelCase {
    const char* name;
    std::vector<Step> steps; // the last one is the cancel
};

class CancelInEveryState : public ::testing::TestWithParam<CancelCase> {};

TEST_P(CancelInEveryState, WritesOneHangUpAndKeepsEarlierRecords) {
    const CancelCase& c = GetParam();
    CallHarness h;
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    press(h, c.steps);
    const int64_t cancelAt = c.steps.back().ms;
    h.runToEnd();

    Lines expected;
    for (const Step& step : c.steps) {
        // Every press hangs up; before the first one the call ran undisturbed.
        if (&step == &c.steps.front()) {
            std::copy_if(kTwoPartCall.begin(), kTwoPartCall.end(), std::back_inserter(expected),
                         [&](const TimedLine& l) { return l.ms <= step.ms; });
        }
        expected.push_back({step.ms, kHangUp});
    }
    EXPECT_EQ(h.modem.lines, expected);
    Records records;
    std::copy_if(kTwoPartRecords.begin(), kTwoPartRecords.end(), std::back_inserter(records),
                 [&](const LogRecord& r) { return r.ms <= cancelAt; });
    EXPECT_EQ(h.records, records);
    EXPECT_EQ(h.ending, (Ending{cancelAt, IDCANCEL}));
    EXPECT_FALSE(h.modem.anyPending());

    h.sequence->cancel(); // a late second press changes nothing
    h.sequence->redial();
    EXPECT_EQ(h.modem.lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    CallSequence, CancelInEveryState,
    ::testing::Values(CancelCase{"Initialising", {{1000, Press::Cancel}}},
                      CancelCase{"DiallingFirstPart", {{5000, Press::Cancel}}},
                      CancelCase{"SendingFirstPart", {{10000, Press::Cancel}}},
                      CancelCase{"RightAfterHangUp", {{21000, Press::Cancel}}},
                      CancelCase{"BetweenParts", {{23000, Press::Cancel}}},
                      CancelCase{"WaitingForTheNextDial", {{26000, Press::Cancel}}},
                      CancelCase{"DiallingSecondPart", {{30000, Press::Cancel}}},
                      CancelCase{"SendingSecondPart", {{40000, Press::Cancel}}},
                      CancelCase{"RightAfterLastHangUp", {{46000, Press::Cancel}}},
                      CancelCase{"WaitingToRedial",
                                 {{5000, Press::Redial}, {7000, Press::Cancel}}}),
    [](const ::testing::TestParamInfo<CancelCase>& info) { return info.param.name; });

TEST(CallSequence, RedialShowsWaitingStatusAndRepeatsTheCounter) {
    CallHarness h;
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    h.runUntil(30000);
    h.sequence->redial();
    EXPECT_EQ(h.statuses.back(), CallStatus::WaitingToRedial);
    EXPECT_EQ(h.sequence->part(), 1);
    h.runUntil(38500);
    EXPECT_EQ(h.sequence->counterText(), "2/2");
    EXPECT_EQ(h.statuses.back(), CallStatus::Dialling);
}

TEST(CallSequence, PressesAfterTheEndDoNothing) {
    CallHarness h;
    ASSERT_EQ(h.start(baseSettings(), {"11#"}), 0);
    h.runToEnd();
    const Lines before = h.modem.lines;
    h.sequence->redial();
    h.sequence->cancel();
    EXPECT_EQ(h.modem.lines, before);
    EXPECT_EQ(h.ending, (Ending{22500, IDOK}));
}

} // namespace
} // namespace tonalink::test
