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
    EXPECT_EQ(cp932::fromUtf16(u"ｸﾞﾙｰﾌﾟ1 アイウ 漢字 abc"), bytes);
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
    // A tag character, which iconv would drop.
    EXPECT_FALSE(cp932::fromUtf8("ab\xF3\xA0\x80\xA0"
                                 "c",
                                 &failure));
    EXPECT_EQ(failure.offset, 2u);
    EXPECT_FALSE(cp932::fromUtf16(u"x\U000E0020", &failure));
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

TEST(Cp932, LossyDecodingKeepsGoodTextAsIs) {
    EXPECT_EQ(cp932::toUtf8Lossy(""), "");
    EXPECT_EQ(cp932::toUtf8Lossy("a\x83\x41\xB8\xDE"), "aアｸﾞ");
}

struct LossyCase {
    const char* name;
    std::string bytes;
    std::string utf8;
};

void PrintTo(const LossyCase& c, std::ostream* os) {
    *os << c.name;
}

class LossyDecoding : public testing::TestWithParam<LossyCase> {};

TEST_P(LossyDecoding, ShowsEachDamagedCharacterAsOneReplacement) {
    EXPECT_EQ(cp932::toUtf8Lossy(GetParam().bytes), GetParam().utf8);
}

// \x85\x40 and \x85\x80 are pairs CP932 leaves unassigned; \x80 and \xFF start no
// character; \x83 is a lead byte.
INSTANTIATE_TEST_SUITE_P(
    Cp932, LossyDecoding,
    testing::Values(LossyCase{"ByteThatStartsNothing", "a\x80z", "a\uFFFDz"},
                    LossyCase{"SeveralBadBytes", "\xFF\xFF\x83\x41", "\uFFFD\uFFFDア"},
                    LossyCase{"LeadByteCutOffAtTheEnd", "ab\x83", "ab\uFFFD"},
                    LossyCase{"UnassignedPairIsOneCharacter", "\x85\x80\x83\x41", "\uFFFDア"},
                    LossyCase{"AsciiAfterABadLeadStaysALetter", "\x85\x40\x83\x41", "\uFFFD@ア"},
                    LossyCase{"LineBreakAfterALeadStays", "\x83\r\n", "\uFFFD\r\n"}),
    [](const testing::TestParamInfo<LossyCase>& info) { return info.param.name; });

TEST(Cp932, ComparesIgnoringTheCaseOfAsciiLettersOnly) {
    // ア is 0x83 0x41 and ヂ is 0x83 0x61: their second bytes are 'A' and 'a'.
    const std::string kA = "\x83\x41";
    const std::string kDi = "\x83\x61";
    EXPECT_TRUE(cp932::equalIgnoringAsciiCase("FreeWordCnt", "freewordcnt"));
    EXPECT_TRUE(cp932::equalIgnoringAsciiCase("a" + kA, "A" + kA));
    EXPECT_FALSE(cp932::equalIgnoringAsciiCase(kA, kDi));
    EXPECT_FALSE(cp932::equalIgnoringAsciiCase("\x82\x60", "\x82\x81")); // Ａ ａ: not folded
    EXPECT_FALSE(cp932::equalIgnoringAsciiCase("ab", "abc"));
    EXPECT_EQ(cp932::compareIgnoringAsciiCase("call.dat", "CALL.DAT"), 0);
    EXPECT_LT(cp932::compareIgnoringAsciiCase("ab", "abc"), 0);
    EXPECT_LT(cp932::compareIgnoringAsciiCase("a_", "B"), 0); // 'A' < 'B' before '_' counts
    EXPECT_GT(cp932::compareIgnoringAsciiCase("_", "a"), 0);  // 'A' (0x41) < '_' (0x5F)
    EXPECT_LT(cp932::compareIgnoringAsciiCase(kA, kDi), 0);
}
