#include "core/common/cp932.h"
#include "core/modem/call_status.h"
#include "core/modem/modem_commands.h"

#include <gtest/gtest.h>
#include <limits>

namespace tonalink {
namespace {

struct DialCase {
    const char* name;
    DialLineOptions options;
    int32_t waitTime;
    std::string number;
    std::string codes;
    std::string line;
};

DialLineOptions options(int32_t phoneType, int32_t modemSw, int32_t keitaiSw = 0,
                        int32_t ckExtension = 0, std::string extension = {}) {
    return DialLineOptions{phoneType, ckExtension, std::move(extension), modemSw, keitaiSw};
}

class DialLine : public ::testing::TestWithParam<DialCase> {};

TEST_P(DialLine, ComposesTheWholeLine) {
    const DialCase& c = GetParam();
    EXPECT_EQ(dialLine(c.options, c.waitTime, c.number, c.codes), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    ModemCommands, DialLine,
    ::testing::Values(
        DialCase{"ExtensionToneSplit", options(1, 0, 0, 1, "0,"), 4, "123", "1234",
                 "ATDT0,123;\r\n"},
        DialCase{"ExtensionPulseNonSplitWait10", options(0, 1, 0, 1, "0,"), 10, "123", "1234",
                 "ATDP0,123,,,,,,DT1234;\r\n"},
        DialCase{"Wait0OneComma", options(1, 1), 0, "123", "1234", "ATDT123,1234;\r\n"},
        DialCase{"Wait1OneComma", options(1, 1), 1, "123", "1234", "ATDT123,1234;\r\n"},
        DialCase{"Wait2TwoCommas", options(1, 1), 2, "123", "1234", "ATDT123,,1234;\r\n"},
        DialCase{"Wait3TwoCommas", options(1, 1), 3, "123", "1234", "ATDT123,,1234;\r\n"},
        DialCase{"Wait10SixCommas", options(1, 1), 10, "123", "1234", "ATDT123,,,,,,1234;\r\n"},
        DialCase{"NegativeWaitOneComma", options(1, 1), -7, "123", "1234", "ATDT123,1234;\r\n"},
        DialCase{"HugeWaitBounded", options(1, 1), std::numeric_limits<int32_t>::max(), "1", "2",
                 "ATDT1" + std::string(129, ',') + "2;\r\n"},
        DialCase{"PulseSplitNoDt", options(0, 0), 10, "123", "1234", "ATDP123;\r\n"},
        DialCase{"OtherToneValueNoDt", options(2, 1), 4, "123", "1234", "ATDT123,,,1234;\r\n"},
        DialCase{"KeitaiVBeforeCommas", options(1, 1, 1), 4, "123", "1234", "ATDT123V,,,1234;\r\n"},
        DialCase{"KeitaiSplit", options(1, 0, 1), 4, "123", "1234", "ATDT123V;\r\n"},
        DialCase{"CkExtensionOffLeavesExtensionOut", options(1, 0, 0, 0, "9,"), 4, "123", "",
                 "ATDT123;\r\n"},
        DialCase{"CkExtensionOtherValueLeavesExtensionOut", options(1, 0, 0, 2, "9,"), 4, "123", "",
                 "ATDT123;\r\n"},
        DialCase{"LineBreaksInNumberStripped", options(1, 0), 4, "12\r\nATH0\r\n3", "",
                 "ATDT12ATH03;\r\n"},
        DialCase{"SemicolonInNumberStripped", options(1, 0), 4, "123;H0", "", "ATDT123H0;\r\n"},
        DialCase{"NulAndBreaksInExtensionStripped", options(1, 0, 0, 1, std::string("0\0\n,", 4)),
                 4, "123", "", "ATDT0,123;\r\n"},
        DialCase{"BreaksInNonSplitCodesStripped", options(1, 1), 0, "123", "12\r\n;ATZ\n34#",
                 "ATDT123,12ATZ34#;\r\n"}),
    [](const ::testing::TestParamInfo<DialCase>& info) { return info.param.name; });

TEST(ModemCommands, CodeLineNeverPulse) {
    EXPECT_EQ(codeLine(0, "*2*211#"), "ATDT*2*211#;\r\n");
    EXPECT_EQ(codeLine(2, "*2*211#"), "ATDT*2*211#;\r\n");
    EXPECT_EQ(codeLine(1, "*2*211#"), "AT#STX=*2*211#;\r\n");
    EXPECT_EQ(codeLine(0, std::string("11\r\n;ATH0\0#", 12)), "ATDT11ATH0#;\r\n");
}

TEST(ModemCommands, ExtraCommandAsTypedOnOneLine) {
    EXPECT_EQ(extCommandLine(""), "");
    EXPECT_EQ(extCommandLine("ATM0L1"), "ATM0L1\r\n");
    EXPECT_EQ(extCommandLine("ATS7=60;M1"), "ATS7=60;M1\r\n"); // its own ';' is the user's
    EXPECT_EQ(extCommandLine("ATX3\r\nATD999"), "ATX3ATD999\r\n");
    EXPECT_EQ(extCommandLine(std::string("\r\n\0", 3)), ""); // nothing left to write
}

TEST(ModemCommands, FixedLines) {
    EXPECT_EQ(resetLine(), "ATZ0\r\n");
    EXPECT_EQ(hangUpLine(), "ATE1V1Q0H0\r\n");
}

TEST(ModemCommands, HoldTimeStaysInRange) {
    EXPECT_EQ(holdTime(10, 3), 13);
    EXPECT_EQ(holdTime(std::numeric_limits<int32_t>::max(), 5),
              std::numeric_limits<int32_t>::max());
    EXPECT_EQ(holdTime(std::numeric_limits<int32_t>::min(), -5),
              std::numeric_limits<int32_t>::min());
}

} // namespace
} // namespace tonalink
