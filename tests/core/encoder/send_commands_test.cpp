#include "core/encoder/encoder.h"
#include "sample_pager_types.h"

#include <gtest/gtest.h>

namespace tonalink {
namespace {

using testing::inputFor;
using testing::workedExampleType;

struct WrapCase {
    const char* name;
    int32_t pbOrPhsSw;
    int32_t phsCallEnd;
    const char* password;
    const char* text;
    std::vector<std::string> parts;
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << c.name;
}

class BuildSendCommandsTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(BuildSendCommandsTest, WrapsEveryPart) {
    const WrapCase& c = GetParam();
    PagerType type = workedExampleType();
    type.MsgEndCmd = "#";
    type.PbOrPhsSw = c.pbOrPhsSw;
    type.PhsCallEnd = c.phsCallEnd;
    EncoderInput input = inputFor(type, c.text);
    input.CallNumber = "0312345678";
    input.CallPassword = c.password;
    Encoder encoder;
    ASSERT_EQ(encoder.BuildSendCommands(input), 0);
    EXPECT_EQ(encoder.MsgParts, c.parts);
}

INSTANTIATE_TEST_SUITE_P(
    Wrappers, BuildSendCommandsTest,
    ::testing::Values(WrapCase{"CodesAndEndOnly", 0, 0, "", "AB/12OK", {"71112812#", "901#"}},
                      WrapCase{"CentreWithHashAndPassword",
                               1,
                               1,
                               "4321",
                               "AB/12OK",
                               {"0312345678#,,,4321,71112812#", "0312345678#,,,4321,901#"}},
                      WrapCase{"CentreWithoutHash", 1, 0, "", "AB", {"0312345678,,,71112#"}},
                      WrapCase{"PasswordWithoutCentre", 0, 1, "99", "AB", {"99,71112#"}},
                      WrapCase{"CentreOnlyWhenSwitchIsOne", 2, 1, "", "AB", {"71112#"}},
                      WrapCase{
                          "EmptyMessageStillWrapped", 1, 1, "4321", "", {"0312345678#,,,4321,#"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildSendCommands, HeadersStayBetweenPasswordAndEnd) {
    PagerType type = workedExampleType();
    type.MsgCount = 8;
    type.MsgJoinSw = 1;
    type.MsgJoinFrontCmd = "*5";
    type.MsgJoinAfterCmd = "*6";
    type.MsgEndCmd = "##";
    type.PbOrPhsSw = 1;
    EncoderInput input = inputFor(type, "A/1111/A");
    input.CallNumber = "777";
    input.CallPassword = "12";
    Encoder encoder;
    ASSERT_EQ(encoder.BuildSendCommands(input), 0);
    EXPECT_EQ(encoder.MsgParts,
              (std::vector<std::string>{"777,,,12,711811*51##", "777,,,12,1*611*52##",
                                        "777,,,12,2*6711##"}));
    // The preview and the log keep the bare codes and positions.
    EXPECT_EQ(encoder.EncodedMsg, "711811*511*611*522*6711");
    EXPECT_EQ(encoder.PartStarts, (std::vector<int32_t>{0, 4, 7, 8}));
    EXPECT_EQ(encoder.LastPart, 2);
}

TEST(BuildSendCommands, RepeatedBuildsDoNotAccumulate) {
    PagerType type = workedExampleType();
    type.MsgEndCmd = "#";
    EncoderInput input = inputFor(type, "AB");
    input.CallPassword = "5";
    Encoder encoder;
    ASSERT_EQ(encoder.BuildSendCommands(input), 0);
    ASSERT_EQ(encoder.BuildSendCommands(input), 0);
    EXPECT_EQ(encoder.MsgParts, std::vector<std::string>{"5,71112#"});
}

TEST(BuildSendCommands, FailureLeavesPartsUnwrapped) {
    PagerType type = workedExampleType();
    type.MsgEndCmd = "#";
    EncoderInput input = inputFor(type, "ABX");
    input.CallPassword = "5";
    Encoder encoder;
    EXPECT_EQ(encoder.BuildSendCommands(input), -1);
    EXPECT_EQ(encoder.MsgParts, std::vector<std::string>{"71112"});
}

} // namespace
} // namespace tonalink
