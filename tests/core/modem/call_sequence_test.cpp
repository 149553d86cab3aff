#include "call_harness.h"

#include <gtest/gtest.h>

namespace tonalink::test {
namespace {

using Lines = std::vector<TimedLine>;
using Records = std::vector<LogRecord>;
using Counters = std::vector<std::string>;

const std::vector<std::string> kThreeParts{"11#", "22#", "33#"};

TEST(CallSequence, OnePartSplit) {
    CallHarness h;
    ASSERT_EQ(h.start(baseSettings(), {"11#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, kDial}, {7500, codes("11#")}, {20500, kHangUp}}));
    EXPECT_EQ(h.ending, (Ending{22500, IDOK}));
    EXPECT_TRUE(h.records.empty()); // the caller logs the last part
    EXPECT_EQ(h.counters, Counters{"1/1"});
    EXPECT_EQ(h.statuses,
              (std::vector<CallStatus>{CallStatus::Initialising, CallStatus::Dialling,
                                       CallStatus::SendingMessage, CallStatus::Disconnecting}));
    EXPECT_EQ(h.state.m_strSentCommand, "*2*211#");
    EXPECT_EQ(h.state.m_nSentPart, 0);
    EXPECT_EQ(h.state.m_nHoldTime, 13);
    EXPECT_FALSE(h.modem.anyPending());
}

TEST(CallSequence, OnePartNonSplitHangsUpAfterCodeLengthWaitAndCut) {
    CallSettings s = baseSettings();
    s.line.ModemSw = 1;
    s.DefaultOffTime = 99; // plays no part without a code line
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11#"}), 0);
    h.runToEnd();
    // 3 code bytes + WaitTime 4 + CutTime 3 = 10 s after the dial line.
    EXPECT_EQ(h.modem.lines, (Lines{{3500, "ATDT123,,,*2*211#;\r\n"}, {13500, kHangUp}}));
    EXPECT_EQ(h.ending, (Ending{15500, IDOK}));
    EXPECT_EQ(h.state.m_strSentCommand, "*2*211#");
}

TEST(CallSequence, ThreePartsForward) {
    CallHarness h;
    ASSERT_EQ(h.start(baseSettings(), kThreeParts), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, kDial},
                                    {7500, codes("11#")},
                                    {20500, kHangUp},
                                    {28000, kDial},
                                    {32000, codes("22#")},
                                    {45000, kHangUp},
                                    {52500, kDial},
                                    {56500, codes("33#")},
                                    {69500, kHangUp}}));
    EXPECT_EQ(h.records, (Records{{22500, "123", 0, "*2*211#"}, {47000, "123", 1, "*2*222#"}}));
    EXPECT_EQ(h.counters, (Counters{"1/3", "2/3", "3/3"}));
    EXPECT_EQ(h.ending, (Ending{71500, IDOK}));
    EXPECT_EQ(h.state.m_nSentPart, 2);
    EXPECT_EQ(h.state.m_strSentCommand, "*2*233#");
}

TEST(CallSequence, ReverseOrderWithMsgSendC) {
    CallSettings s = baseSettings();
    s.MsgSendC = 1;
    CallHarness h;
    ASSERT_EQ(h.start(s, kThreeParts), 0);
    EXPECT_TRUE(h.sequence->reverse());
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, kDial},
                                    {7500, codes("33#")},
                                    {20500, kHangUp},
                                    {28000, kDial},
                                    {32000, codes("22#")},
                                    {45000, kHangUp},
                                    {52500, kDial},
                                    {56500, codes("11#")},
                                    {69500, kHangUp}}));
    EXPECT_EQ(h.records, (Records{{22500, "123", 2, "*2*233#"}, {47000, "123", 1, "*2*222#"}}));
    EXPECT_EQ(h.counters, (Counters{"3/3", "2/3", "1/3"}));
    EXPECT_EQ(h.ending, (Ending{71500, IDOK}));
    EXPECT_EQ(h.state.m_nSentPart, 0);
    EXPECT_EQ(h.state.m_strSentCommand, "*2*211#");
}

TEST(CallSequence, MsgJoinSwForcesForwardOrder) {
    CallSettings s = baseSettings();
    s.MsgSendC = 1;
    s.MsgJoinSw = 1;
    CallHarness h;
    ASSERT_EQ(h.start(s, kThreeParts), 0);
    EXPECT_FALSE(h.sequence->reverse());
    h.runToEnd();
    EXPECT_EQ(h.counters, (Counters{"1/3", "2/3", "3/3"}));
    EXPECT_EQ(h.records, (Records{{22500, "123", 0, "*2*211#"}, {47000, "123", 1, "*2*222#"}}));
}

TEST(CallSequence, NonSplitThreePartsOnPulseLineTimedByEachCodeLength) {
    CallSettings s = baseSettings();
    s.line.ModemSw = 1;
    s.line.PhoneType = 0;
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11#", "2222#", "3#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, "ATDP123,,,DT*2*211#;\r\n"},
                                    {13500, kHangUp},
                                    {21000, "ATDP123,,,DT*2*22222#;\r\n"},
                                    {33000, kHangUp},
                                    {40500, "ATDP123,,,DT*2*23#;\r\n"},
                                    {49500, kHangUp}}));
    EXPECT_EQ(h.records, (Records{{15500, "123", 0, "*2*211#"}, {35000, "123", 1, "*2*22222#"}}));
    EXPECT_EQ(h.ending, (Ending{51500, IDOK}));
}

TEST(CallSequence, PbOrPhsSwDialsAndLogsCentreNumber) {
    CallSettings s = baseSettings();
    s.PbOrPhsSw = 1;
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11#", "22#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, "ATDT0570;\r\n"},
                                    {7500, codes("11#")},
                                    {20500, kHangUp},
                                    {28000, "ATDT0570;\r\n"},
                                    {32000, codes("22#")},
                                    {45000, kHangUp}}));
    EXPECT_EQ(h.records, (Records{{22500, "0570", 0, "*2*211#"}}));
    EXPECT_EQ(h.sequence->number(), "0570");
}

TEST(CallSequence, WaitTimeZeroSendsCodesAtTheDialTick) {
    CallSettings s = baseSettings();
    s.WaitTime = 0;
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, kDial}, {3500, codes("11#")}, {16500, kHangUp}}));
    EXPECT_EQ(h.ending, (Ending{18500, IDOK}));
}

TEST(CallSequence, NegativeWaitTimeActsAsNoWait) {
    CallSettings s = baseSettings();
    s.WaitTime = -3;
    CallHarness split;
    ASSERT_EQ(split.start(s, {"11#"}), 0);
    split.runToEnd();
    EXPECT_EQ(split.modem.lines, (Lines{{3500, kDial}, {3500, codes("11#")}, {16500, kHangUp}}));

    s.line.ModemSw = 1;
    CallHarness nonSplit;
    ASSERT_EQ(nonSplit.start(s, {"11#"}), 0);
    nonSplit.runToEnd();
    // 3 code bytes - 3 + CutTime 3 = 3 s.
    EXPECT_EQ(nonSplit.modem.lines, (Lines{{3500, "ATDT123,*2*211#;\r\n"}, {6500, kHangUp}}));
}

TEST(CallSequence, ExtraCommandOnceBeforeTheFirstDial) {
    CallSettings s = baseSettings();
    s.ExtCommand = "ATM0L1";
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11#", "22#"}), 0);
    h.runToEnd();
    ASSERT_EQ(h.modem.lines.size(), 7u);
    EXPECT_EQ(h.modem.lines[0], (TimedLine{0, "ATM0L1\r\n"}));
    EXPECT_EQ(h.modem.lines[1], (TimedLine{3500, kDial}));
}

TEST(CallSequence, MobileModemCallsCodesWithStx) {
    CallSettings s = baseSettings();
    s.line.KeitaiSw = 1;
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines,
              (Lines{{3500, "ATDT123V;\r\n"}, {7500, "AT#STX=*2*211#;\r\n"}, {20500, kHangUp}}));
}

TEST(CallSequence, FailedBuildWritesNothing) {
    CallSettings s = baseSettings();
    s.ExtCommand = "ATM0";
    CallHarness h;
    EXPECT_EQ(h.start(s, {"11#"}, -1), kDialogNotCreated);
    h.runToEnd();
    EXPECT_TRUE(h.modem.lines.empty());
    EXPECT_TRUE(h.warnings.empty());
    EXPECT_FALSE(h.ending.has_value());
    EXPECT_FALSE(h.sequence->running());
}

TEST(CallSequence, PartListNotHoldingLastPartIsRefused) {
    CallSettings s = baseSettings();
    s.ExtCommand = "ATM0";
    for (int32_t lastPart : {-1, 2}) {
        CallHarness h;
        EXPECT_EQ(h.start(s,
                          [&](MessageParts& out) {
                              out.MsgParts = {"11#", "22#"};
                              out.LastPart = lastPart;
                              return 0;
                          }),
                  kDialogNotCreated)
            << lastPart;
        EXPECT_TRUE(h.modem.lines.empty());
    }
}

TEST(CallSequence, LineBreaksAndSemicolonsInValuesCannotSplitOrAddCommands) {
    CallSettings s = baseSettings();
    s.ExtCommand = "ATM0\r\nATD999";
    s.CallNumber = "123;H1\r";
    s.MsgCancelCmd = std::string("*2\0*2", 5);
    CallHarness h;
    ASSERT_EQ(h.start(s, {"11\r\nATH0#", "22;Z#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{0, "ATM0ATD999\r\n"},
                                    {3500, "ATDT123H1;\r\n"},
                                    {7500, "ATDT*2*211ATH0#;\r\n"},
                                    {20500, kHangUp},
                                    {28000, "ATDT123H1;\r\n"},
                                    {32000, "ATDT*2*222Z#;\r\n"},
                                    {45000, kHangUp}}));
    // The log gets what was dialled and sent, not the raw values.
    EXPECT_EQ(h.records, (Records{{22500, "123H1", 0, "*2*211ATH0#"}}));
}

TEST(CallSequence, NonSplitTimingUsesTheCleanedCodeLength) {
    CallSettings s = baseSettings();
    s.line.ModemSw = 1;
    CallHarness h;
    ASSERT_EQ(h.start(s, {"1\r\n\r\n\r\n1#"}), 0);
    h.runToEnd();
    EXPECT_EQ(h.modem.lines, (Lines{{3500, "ATDT123,,,*2*211#;\r\n"}, {13500, kHangUp}}));
}

TEST(CallSequence, StrayTimerAfterTheLastPartReadsNoPart) {
    for (int stray : {CallSequence::kTimerDial, CallSequence::kTimerSendCodes}) {
        CallHarness h;
        h.modem.refuse(CallSequence::kTimerAdvance, 1);
        ASSERT_EQ(h.start(baseSettings(), {"11#"}), 0);
        h.runToEnd();
        ASSERT_TRUE(h.sequence->running());
        h.sequence->onTimer(stray);
        EXPECT_EQ(h.ending, (Ending{h.modem.now(), IDOK})) << stray;
        EXPECT_EQ(h.modem.lines.size(), 3u) << stray;
    }
}

} // namespace
} // namespace tonalink::test
