#include "core/common/cp932.h"

#include <gtest/gtest.h>

using namespace tonalink;

TEST(Cp932, RoundTripsKanaKanjiAndAscii) {
    const std::string utf8 = "ｸﾞﾙｰﾌﾟ1 アイウ 漢字 abc";
    auto bytes = cp932::fromUtf8(utf8);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 2), "\xB8\xDE"); // half-width ｸﾞ: one byte each
    EXPECT_NE(bytes->find("\x83\x41\x83\x43\x83\x45"), std::string::npos); // アイウ
    EXPECT_EQ(cp932::toUtf8(*bytes), utf8);
    auto u16 = cp932::toUtf16(*bytes);
    ASSERT_TRUE(u16);
    EXPECT_EQ(cp932::fromUtf16(*u16), bytes);
}

TEST(Cp932, UsesTheWindowsFallbacks) {
    EXPECT_EQ(cp932::fromUtf8("\xE3\x80\x9C"), std::string("\x81\x60")); // U+301C wave dash
    EXPECT_EQ(cp932::fromUtf8("\xC2\xA5"), std::string("\x5C"));         // U+00A5 yen
    EXPECT_EQ(cp932::fromUtf8("\xE2\x88\x92"), std::string("\x81\x7C")); // U+2212 minus
}

TEST(Cp932, RefusesWhatItCannotHoldAndTellsWhere) {
    cp932::Failure failure{};
    EXPECT_FALSE(cp932::fromUtf8("ab\xF0\x9F\x98\x80", &failure)); // emoji
    EXPECT_EQ(failure.offset, 2u);
    EXPECT_FALSE(cp932::fromUtf8("a\xFF", &failure)); // not UTF-8
    EXPECT_FALSE(cp932::toUtf8("\x83", &failure));    // lead byte cut off
    EXPECT_FALSE(cp932::fromUtf16(u"x\U0001F600", &failure));
    EXPECT_EQ(failure.offset, 1u);
}

TEST(Cp932, ClampsWithoutSplittingADoubleByteCharacter) {
    const std::string s = "a\x83\x41"
                          "b"; // a ア b
    EXPECT_EQ(cp932::clampToCharBoundary(s, 1), 1u);
    EXPECT_EQ(cp932::clampToCharBoundary(s, 2), 1u);
    EXPECT_EQ(cp932::clampToCharBoundary(s, 3), 3u);
    EXPECT_EQ(cp932::clampToCharBoundary(s, 99), 4u);
    EXPECT_EQ(cp932::clampToCharBoundary("\x83", 1), 1u); // a dangling lead byte stays
}
