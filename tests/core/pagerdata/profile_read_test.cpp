#include "core/pagerdata/profile_file.h"

#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using tonalink::ProfileFile;

namespace {

// ゾ is 0x83 0x5D: its second byte is the value of ']'.
const std::string kZo = "\x83\x5D";
// ア is 0x83 0x41 and ヂ is 0x83 0x61: their second bytes are 'A' and 'a'.
const std::string kA = "\x83\x41";
const std::string kDi = "\x83\x61";
// Ａ (full width) is 0x82 0x60, ａ is 0x82 0x81: never folded.
const std::string kFullA = "\x82\x60";
const std::string kFullSmallA = "\x82\x81";

ProfileFile parse(const std::string& bytes) {
    return *ProfileFile::fromBytes(bytes);
}

struct StringCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string expected; // "<default>" when the fallback is expected
};

void PrintTo(const StringCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadString : public testing::TestWithParam<StringCase> {};

TEST_P(ReadString, FollowsTheProfileRules) {
    const StringCase& c = GetParam();
    EXPECT_EQ(parse(c.file).readString(c.section, c.key, "<default>"), c.expected);
}

const std::string kLong120(120, 'x');

INSTANTIATE_TEST_SUITE_P(
    Profile, ReadString,
    testing::Values(
        StringCase{"CrLfLines", "[A]\r\nk=v\r\nm=w\r\n", "A", "m", "w"},
        StringCase{"LfLines", "[A]\nk=v\nm=w", "A", "m", "w"},
        StringCase{"CrLines", "[A]\rk=v\rm=w\r", "A", "m", "w"},
        StringCase{"MixedLineEnds", "[A]\rk=v\r\nm=w\n", "A", "m", "w"},
        StringCase{"CommentHidesKey", "[A]\n;k=x\n  ;m=y\n", "A", "k", "<default>"},
        StringCase{"IndentedCommentHidesKey", "[A]\n \t;m=y\n", "A", "m", "<default>"},
        StringCase{"LineWithoutEqualsIsNoKey", "[A]\nk\n", "A", "k", "<default>"},
        StringCase{"HeaderAfterBlanks", "  \t[A]\nk=v\n", "A", "k", "v"},
        StringCase{"BlanksInsideBrackets", "[ \tA  ]\nk=v\n", "A", "k", "v"},
        StringCase{"TextAfterHeaderIgnored", "[A] trailing junk\nk=v\n", "A", "k", "v"},
        StringCase{"OpenBracketWithoutCloseIsNoHeader", "[A]\n[B\nk=v\n", "A", "k", "v"},
        StringCase{"TrailByteIsNoBracket", "[" + kZo + "]\nk=v\n", kZo, "k", "v"},
        StringCase{"NameEndsAtBracketAfterTrail", "[" + kZo + "]]\nk=v\n", kZo, "k", "v"},
        StringCase{"LoneLeadSwallowsBracket", "[A]\n[\x83]\nk=v\n", "A", "k", "v"},
        StringCase{"KeyBeforeFirstSectionUnreadable", "k=v\n[A]\n", "", "k", "<default>"},
        StringCase{"KeyBeforeFirstSectionNotInFirst", "k=v\n[A]\n", "A", "k", "<default>"},
        StringCase{"SectionIgnoresAsciiCase", "[PaGer]\nk=v\n", "pAgER", "k", "v"},
        StringCase{"KeyIgnoresAsciiCase", "[A]\nMsgCount=v\n", "A", "MSGCOUNT", "v"},
        StringCase{"TrailBytesNotFoldedInSection", "[" + kA + "]\nk=v\n", kDi, "k", "<default>"},
        StringCase{"TrailBytesNotFoldedInKey", "[A]\n" + kA + "=v\n", "A", kDi, "<default>"},
        StringCase{"TrailBytesMatchThemselves", "[x" + kA + "]\n" + kDi + "=v\n", "X" + kA, kDi,
                   "v"},
        StringCase{"FullWidthLettersNotFolded", "[A]\n" + kFullA + "=v\n", "A", kFullSmallA,
                   "<default>"},
        StringCase{"EqualsAfterLeadIsTrail", "[A]\n\x83==v\n", "A", "\x83=", "v"},
        StringCase{"FirstSectionOfNameWins", "[A]\nk=1\n[B]\n[a]\nk=2\n", "A", "k", "1"},
        StringCase{"LaterCopyOfSectionUnreadable", "[A]\nk=1\n[a]\nm=2\n", "A", "m", "<default>"},
        StringCase{"FirstKeyOfNameWins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        StringCase{"BlanksAroundKeyAndValue", "[A]\n \t k \t= \t v v \t\n", "A", "k", "v v"},
        StringCase{"ValueKeepsLaterEquals", "[A]\nk = a=b\n", "A", "k", "a=b"},
        StringCase{"EmptyValueIsNotDefault", "[A]\nk=\n", "A", "k", ""},
        StringCase{"DoubleQuotesRemoved", "[A]\nk=\"v \"\n", "A", "k", "v "},
        StringCase{"SingleQuotesRemoved", "[A]\nk= ' v' \n", "A", "k", " v"},
        StringCase{"OnlyOnePairRemoved", "[A]\nk=\"\"v\"\"\n", "A", "k", "\"v\""},
        StringCase{"MismatchedQuotesKept", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
        StringCase{"LoneQuoteKept", "[A]\nk=\"\n", "A", "k", "\""},
        StringCase{"ValueCutTo99Bytes", "[A]\nk=" + kLong120 + "\n", "A", "k",
                   std::string(99, 'x')},
        StringCase{"CutNeverSplitsCharacter", "[A]\nk=" + std::string(98, 'x') + kA + "\n", "A",
                   "k", std::string(98, 'x')},
        StringCase{"CharacterEndingAtByte99Kept", "[A]\nk=" + std::string(97, 'x') + kA + "\n", "A",
                   "k", std::string(97, 'x') + kA},
        StringCase{"MissingSection", "[A]\nk=v\n", "B", "k", "<default>"},
        StringCase{"EmptyKeyNameIsNoKey", "[A]\n=v\n", "A", "", "<default>"}),
    [](const testing::TestParamInfo<StringCase>& info) { return std::string(info.param.name); });

TEST(ReadString, DefaultIsCutLikeAValue) {
    EXPECT_EQ(ProfileFile().readString("A", "k", kLong120), std::string(99, 'x'));
}

struct IntCase {
    const char* name;
    std::string value; // the line after "k=", or "<missing>"
    int32_t expected;
};

void PrintTo(const IntCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadInt : public testing::TestWithParam<IntCase> {};

TEST_P(ReadInt, ReadsDecimalDigitsAfterASign) {
    const IntCase& c = GetParam();
    const std::string file = c.value == "<missing>" ? "[A]\n" : "[A]\nk=" + c.value + "\n";
    EXPECT_EQ(parse(file).readInt("A", "k", 7), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, ReadInt,
    testing::Values(IntCase{"Plain", "12", 12}, IntCase{"PlusSign", "+12", 12},
                    IntCase{"TrailingText", "12abc", 12}, IntCase{"NoDigits", "abc", 0},
                    IntCase{"MinusOne", "-1", -1}, IntCase{"SignOnly", "-", 0},
                    IntCase{"TwoSigns", "--1", 0}, IntCase{"Blanks", " \t42 ", 42},
                    IntCase{"Quoted", "\"5\"", 5}, IntCase{"Hex", "0x10", 0},
                    IntCase{"WrapsPast32Bits", "4294967297", 1},
                    IntCase{"WrapsToNegative", "2147483648", INT32_MIN},
                    IntCase{"NegativeWrapsToPositive", "-2147483649", INT32_MAX},
                    IntCase{"ManyDigits", std::string(5000, '9'), -1},
                    IntCase{"EmptyGivesDefault", "", 7},
                    IntCase{"MissingGivesDefault", "<missing>", 7}),
    [](const testing::TestParamInfo<IntCase>& info) { return std::string(info.param.name); });

TEST(SectionNames, ListsFileOrderWithDuplicatesTrimmedAndWithoutEmptyNames) {
    const ProfileFile file =
        parse("k=0\r\n[ Zeta ]\r\n[alpha]\r\n[]\r\n[" + kZo + "]\r\n[ZETA]\r\n;[hidden]\r\n");
    EXPECT_EQ(file.sectionNames(), (std::vector<std::string>{"Zeta", "alpha", kZo, "ZETA"}));
}

TEST(SectionNames, StopAtTheListBufferBound) {
    // Each name takes 8 of the 32767 bytes and the list one more: 4095 names fit.
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; i < 5000; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "s%06d", i);
        bytes.append("[").append(name).append("]\n");
        if (i < 4095)
            expected.emplace_back(name);
    }
    EXPECT_EQ(parse(bytes).sectionNames(), expected);
}

TEST(SectionNames, SkipANameLongerThanTheBufferAndListTheRest) {
    const std::string longName(40000, 'n');
    const ProfileFile file = parse(std::string("[").append(longName).append("]\nk=v\n[B]\nm=w\n"));
    EXPECT_EQ(file.sectionNames(), std::vector<std::string>{"B"});
    EXPECT_EQ(file.readString(longName, "k"), "v");
}

} // namespace
