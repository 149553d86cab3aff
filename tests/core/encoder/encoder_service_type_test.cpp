#include "core/encoder/encoder.h"
#include "core/encoder/preview.h"
#include "cp932_text.h"
#include "sample_pager_types.h"

#include <gtest/gtest.h>

namespace tonalink {
namespace {

using test::cp932Bytes;
using testing::freeWordServiceType;
using testing::inputFor;

// Phrase, switch to digits, back to half-width kana with voiced marks.
TEST(EncodeServiceType, MixedMessageByteForByte) {
    PagerType type = freeWordServiceType();
    const std::string text = cp932Bytes("了解/0312345678/ｶﾞﾝﾊﾞﾚ");
    Encoder encoder;
    ASSERT_EQ(encoder.Encode(inputFor(type, text)), 28);
    EXPECT_EQ(encoder.MsgParts, std::vector<std::string>{"*802*40312345678*2*2276766476763"});
    EXPECT_EQ(encoder.PartStarts, (std::vector<int32_t>{0, static_cast<int32_t>(text.size())}));
}

// Long messages split with numbered headers on both sides of a free-word or
// number split, and none elsewhere.
TEST(EncodeServiceType, LongMessagePartsStayWithinTheLimit) {
    PagerType type = freeWordServiceType();
    const std::string text = testing::freeWordServiceMessage(300);
    Encoder encoder;
    const int32_t result = encoder.Encode(inputFor(type, text));
    ASSERT_GT(result, type.MsgCount);
    ASSERT_GT(encoder.LastPart, 2);
    ASSERT_LT(encoder.LastPart, 9); // one-digit part numbers keep the two-digit reserve
    for (const std::string& part : encoder.MsgParts) {
        EXPECT_LE(CountDigits(part, type.AsCount), type.MsgCount) << part;
    }
    for (int32_t k = 1; k <= encoder.LastPart; ++k) {
        const std::string& part = encoder.MsgParts[static_cast<std::size_t>(k)];
        const std::string& closed = encoder.MsgParts[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(closed.ends_with("*7" + std::to_string(k)),
                  part.starts_with(std::to_string(k) + "*7"))
            << closed << " | " << part;
    }
}

} // namespace
} // namespace tonalink
