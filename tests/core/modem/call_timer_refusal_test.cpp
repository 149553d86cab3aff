#include "call_harness.h"

#include <gtest/gtest.h>

namespace tonalink::test {
namespace {

using Lines = std::vector<TimedLine>;
using Records = std::vector<LogRecord>;

const std::vector<std::string> kTwoParts{"11#", "22#"};
constexpr int kHangUpTimer = CallSequence::kTimerHangUp;
constexpr int kDialTimer = CallSequence::kTimerDial;
constexpr int kCodesTimer = CallSequence::kTimerSendCodes;
constexpr int kPauseTimer = CallSequence::kTimerPause;
constexpr int kAdvanceTimer = CallSequence::kTimerAdvance;

TEST(CallTimerRefused, FirstDialTimerFailsTheCreation) {
    CallSettings s = baseSettings();
    s.ExtCommand = "ATM0";
    CallHarness h;
    h.modem.refuse(kDialTimer, 1);
    EXPECT_EQ(h.start(s, kTwoParts), kDialogNotCreated);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{0, "ATM0\r\n"}}));
    EXPECT_EQ(h.warnings, std::vector<int64_t>{0});
    EXPECT_FALSE(h.ending.has_value());
    EXPECT_FALSE(h.sequence->running());
}

// A refusal right after a dial or code line ends the call as cancelled; the line
// is hung up first so it is not left off-hook.
struct OffHookCase {
    const char* name;
    int32_t modemSw;
    int timer;
    Lines lines;
};

class RefusedWhileOffHook : public ::testing::TestWithParam<OffHookCase> {};

TEST_P(RefusedWhileOffHook, HangsUpWarnsAndCancels) {
    const OffHookCase& c = GetParam();
    CallSettings s = baseSettings();
    s.line.ModemSw = c.modemSw;
    CallHarness h;
    h.modem.refuse(c.timer, 1);
    ASSERT_EQ(h.start(s, kTwoParts), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, c.lines);
    const int64_t at = c.lines.back().ms;
    EXPECT_EQ(h.warnings, std::vector<int64_t>{at});
    EXPECT_EQ(h.ending, (Ending{at, IDCANCEL}));
    EXPECT_TRUE(h.records.empty());
    EXPECT_FALSE(h.modem.anyPending());
}

INSTANTIATE_TEST_SUITE_P(
    CallSequence, RefusedWhileOffHook,
    ::testing::Values(
        OffHookCase{"CodesTimerAfterSplitDial", 0, kCodesTimer, {{3500, kDial}, {3500, kHangUp}}},
        OffHookCase{"HangUpTimerAfterNonSplitDial",
                    1,
                    kHangUpTimer,
                    {{3500, "ATDT123,,,*2*211#;\r\n"}, {3500, kHangUp}}},
        OffHookCase{"HangUpTimerAfterCodes",
                    0,
                    kHangUpTimer,
                    {{3500, kDial}, {7500, codes("11#")}, {7500, kHangUp}}}),
    [](const ::testing::TestParamInfo<OffHookCase>& info) { return info.param.name; });

const Lines kFirstPart{{3500, kDial}, {7500, codes("11#")}, {20500, kHangUp}};

TEST(CallTimerRefused, PauseTimerAfterAdvanceCancelsWithoutAnotherHangUp) {
    CallHarness h;
    h.modem.refuse(kPauseTimer, 1);
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, kFirstPart);
    EXPECT_EQ(h.records, (Records{{22500, "123", 0, "*2*211#"}}));
    EXPECT_EQ(h.warnings, std::vector<int64_t>{22500});
    EXPECT_EQ(h.ending, (Ending{22500, IDCANCEL}));
}

TEST(CallTimerRefused, DialTimerAfterPauseWaitsForRedial) {
    CallHarness h;
    h.modem.refuse(kDialTimer, 2);
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    h.runUntil(100000);
    EXPECT_EQ(h.modem.lines, kFirstPart);
    EXPECT_EQ(h.warnings, std::vector<int64_t>{24500});
    EXPECT_TRUE(h.sequence->running());
    EXPECT_FALSE(h.modem.anyPending());

    h.sequence->redial();
    h.runToEnd();
    Lines expected = kFirstPart;
    expected.insert(
        expected.end(),
        {{100000, kHangUp}, {108500, kDial}, {112500, codes("22#")}, {125500, kHangUp}});
    EXPECT_EQ(h.modem.lines, expected);
    EXPECT_EQ(h.counters, (std::vector<std::string>{"1/2", "2/2"}));
    EXPECT_EQ(h.ending, (Ending{127500, IDOK}));
}

TEST(CallTimerRefused, AdvanceTimerWaitsSilentlyAndRedialLogsThePartBeforeGoingOn) {
    CallHarness h;
    h.modem.refuse(kAdvanceTimer, 1);
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    h.runUntil(100000);
    EXPECT_EQ(h.modem.lines, kFirstPart);
    EXPECT_TRUE(h.warnings.empty());
    EXPECT_TRUE(h.records.empty());
    EXPECT_TRUE(h.sequence->running());

    h.sequence->redial();
    h.runToEnd();
    Lines expected = kFirstPart;
    expected.insert(
        expected.end(),
        {{100000, kHangUp}, {108500, kDial}, {112500, codes("22#")}, {125500, kHangUp}});
    EXPECT_EQ(h.modem.lines, expected);
    EXPECT_EQ(h.records, (Records{{100000, "123", 0, "*2*211#"}}));
    EXPECT_EQ(h.ending, (Ending{127500, IDOK}));
}

TEST(CallTimerRefused, AdvanceTimerForTheLastPartThenRedialEndsWithOk) {
    CallHarness h;
    h.modem.refuse(kAdvanceTimer, 1);
    ASSERT_EQ(h.start(baseSettings(), {"11#"}), 0);
    h.runUntil(60000);
    h.sequence->redial();
    EXPECT_EQ(h.ending, (Ending{60000, IDOK}));
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, kFirstPart);
    EXPECT_TRUE(h.records.empty()); // the caller logs the last part on IDOK
    EXPECT_EQ(h.state.m_nSentPart, 0);
}

TEST(CallTimerRefused, AdvanceTimerForTheLastPartInReverseThenRedialEndsWithOk) {
    CallSettings s = baseSettings();
    s.MsgSendC = 1;
    CallHarness h;
    h.modem.refuse(kAdvanceTimer, 2);
    ASSERT_EQ(h.start(s, kTwoParts), 0);
    h.runUntil(60000);
    ASSERT_EQ(h.sequence->part(), -1);
    h.sequence->redial();
    EXPECT_EQ(h.ending, (Ending{60000, IDOK}));
    EXPECT_EQ(h.modem.lines.size(), 6u);
    EXPECT_EQ(h.state.m_nSentPart, 0);
}

TEST(CallTimerRefused, AdvanceTimerThenCancelHangsUpOnce) {
    CallHarness h;
    h.modem.refuse(kAdvanceTimer, 1);
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    h.runUntil(30000);
    h.sequence->cancel();
    Lines expected = kFirstPart;
    expected.push_back({30000, kHangUp});
    EXPECT_EQ(h.modem.lines, expected);
    EXPECT_EQ(h.ending, (Ending{30000, IDCANCEL}));
}

TEST(CallTimerRefused, RedialTimerLeavesTheCallWaitingForCancel) {
    CallHarness h;
    h.modem.refuse(kPauseTimer, 1);
    ASSERT_EQ(h.start(baseSettings(), kTwoParts), 0);
    h.runUntil(5000);
    h.sequence->redial();
    EXPECT_EQ(h.warnings, std::vector<int64_t>{5000});
    h.runUntil(9000);
    EXPECT_TRUE(h.sequence->running());
    EXPECT_FALSE(h.modem.anyPending());
    h.sequence->cancel();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, kDial}, {5000, kHangUp}, {9000, kHangUp}}));
    EXPECT_EQ(h.ending, (Ending{9000, IDCANCEL}));
}

} // namespace
} // namespace tonalink::test
