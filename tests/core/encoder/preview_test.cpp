#include "core/encoder/preview.h"
#include "sample_pager_types.h"

#include <gtest/gtest.h>

namespace tonalink {
namespace {

using testing::inputFor;
using testing::workedExampleType;
constexpr auto Unchanged = ButtonChange::Unchanged;
constexpr auto Enable = ButtonChange::Enable;
constexpr auto Disable = ButtonChange::Disable;

struct PreviewCase {
    const char* name;
    bool noType;
    int32_t mode;
    const char* text;
    const char* callNumber;
    const char* count;
    const char* codes;
    ButtonChange send, reserve, broadcast, view;
};

void PrintTo(const PreviewCase& c, std::ostream* os) {
    *os << c.name;
}

class PreparePreviewTest : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PreparePreviewTest, ShowsCountCodesAndButtons) {
    const PreviewCase& c = GetParam();
    PagerType type = c.noType ? PagerType() : workedExampleType();
    EncoderInput input = inputFor(type, c.text, c.mode);
    input.CallNumber = c.callNumber;
    Encoder encoder;
    encoder.EncodedMsg = "from the last keystroke";
    Preview preview = PreparePreview(encoder, input);
    EXPECT_EQ(preview.CountText, c.count);
    EXPECT_EQ(preview.CodePreview, c.codes);
    EXPECT_EQ(preview.Send, c.send);
    EXPECT_EQ(preview.Reserve, c.reserve);
    EXPECT_EQ(preview.Broadcast, c.broadcast);
    EXPECT_EQ(preview.View, c.view);
}

INSTANTIATE_TEST_SUITE_P(
    States, PreparePreviewTest,
    ::testing::Values(PreviewCase{"EmptyWithoutCallee", false, 0, "", "", "0/10", "", Disable,
                                  Disable, Enable, Unchanged},
                      PreviewCase{"EmptyWithCallee", false, 0, "", "123", "0/10", "", Enable,
                                  Enable, Disable, Unchanged},
                      PreviewCase{"WorkedExampleWithCallee", false, 0, "AB/12OK", "123", "11/10",
                                  "71112812901", Enable, Enable, Disable, Enable},
                      PreviewCase{"WorkedExampleWithoutCallee", false, 0, "AB/12OK", "", "11/10",
                                  "71112812901", Disable, Disable, Enable, Enable},
                      PreviewCase{"UnencodableDisablesAll", false, 0, "ABX", "123", "error", "",
                                  Disable, Disable, Disable, Disable},
                      PreviewCase{"NoTypeLoaded", true, 0, "A", "123", "error", "", Disable,
                                  Disable, Disable, Disable},
                      PreviewCase{"NoTypeDirect", true, 3, "12", "123", "2/0", "12", Enable, Enable,
                                  Disable, Enable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreparePreview, EmptyMessageLeavesTheEncoderAlone) {
    PagerType type = workedExampleType();
    Encoder encoder;
    ASSERT_EQ(encoder.Encode(inputFor(type, "AB")), 5);
    PreparePreview(encoder, inputFor(type, ""));
    EXPECT_EQ(encoder.EncodedMsg, "71112");
    EXPECT_EQ(encoder.MsgParts, std::vector<std::string>{"71112"});
}

} // namespace
} // namespace tonalink
