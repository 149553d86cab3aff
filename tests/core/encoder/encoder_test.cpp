#include "core/encoder/encoder.h"
#include "cp932_text.h"
#include "sample_pager_types.h"

#include <array>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

using test::cp932Bytes;
using testing::entries;
using testing::inputFor;
using testing::workedExampleType;

using Parts = std::vector<std::string>;
using Starts = std::vector<int32_t>;

struct Outcome {
    int32_t result;
    Parts parts;
    Starts starts;
    std::string encoded;
};

Outcome encode(const EncoderInput& input) {
    Encoder encoder;
    int32_t result = encoder.Encode(input);
    EXPECT_EQ(encoder.LastPart + 1, static_cast<int32_t>(encoder.MsgParts.size()));
    return {result, encoder.MsgParts, encoder.PartStarts, encoder.EncodedMsg};
}

// --- The worked example ----------------------------------------------------

TEST(EncodeWorkedExample, GivesTwoPartsByteForByte) {
    PagerType type = workedExampleType();
    Encoder encoder;
    ASSERT_EQ(encoder.Encode(inputFor(type, "AB/12OK")), 11);
    EXPECT_EQ(encoder.MsgParts, (Parts{"71112812", "901"}));
    EXPECT_EQ(encoder.LastPart, 1);
    EXPECT_EQ(encoder.PartStarts, (Starts{0, 5, 7}));
    EXPECT_EQ(encoder.EncodedMsg, "71112812901");
}

TEST(EncodeWorkedExample, EmptyMessageCountsNothing) {
    PagerType type = workedExampleType();
    Outcome out = encode(inputFor(type, ""));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.parts, Parts{""});
    EXPECT_EQ(out.starts, (Starts{0, 0}));
    EXPECT_EQ(out.encoded, "");
}

// --- Tables of cases: type, mode, text -> result, parts, starts --------------

struct Case {
    const char* name;
    PagerType type;
    int32_t mode;
    std::string text;
    int32_t result;
    Parts parts;
    Starts starts;
    std::array<const char*, 3> custom = {"", "", ""};
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

class EncodeCases : public ::testing::TestWithParam<Case> {};

TEST_P(EncodeCases, GivesExactParts) {
    const Case& c = GetParam();
    EncoderInput input = inputFor(c.type, c.text, c.mode);
    input.CustomCommand1 = c.custom[0];
    input.CustomCommand2 = c.custom[1];
    input.CustomCommand3 = c.custom[2];
    Outcome out = encode(input);
    EXPECT_EQ(out.result, c.result);
    EXPECT_EQ(out.parts, c.parts);
    EXPECT_EQ(out.starts, c.starts);
}

PagerType base(int32_t msgCount) {
    PagerType type = workedExampleType();
    type.MsgCount = msgCount;
    return type;
}

template <typename Value> PagerType with(PagerType type, Value PagerType::*field, Value value) {
    type.*field = std::move(value);
    return type;
}

PagerType withFreeWords(std::initializer_list<std::pair<const char*, const char*>> list) {
    return with(base(99), &PagerType::FreeWords, entries(list));
}

PagerType joined(int32_t msgCount, const char* front = "*5", const char* after = "*6") {
    PagerType type = base(msgCount);
    type.MsgJoinSw = 1;
    type.MsgJoinFrontCmd = front;
    type.MsgJoinAfterCmd = after;
    return type;
}

// A free-word entry for a one-byte character ahead of the two-byte text that
// begins with it: the first match wins, not the longest.
INSTANTIATE_TEST_SUITE_P(
    FirstMatch, EncodeCases,
    ::testing::Values(
        Case{"OneByteEntryFirst",
             withFreeWords({{"27", "ｶ"}, {"80", "ｶﾞ"}, {"67", "ﾞ"}}),
             0,
             cp932Bytes("ｶﾞ"),
             5,
             {"72767"},
             {0, 2}},
        Case{"TwoByteEntryFirst",
             withFreeWords({{"80", "ｶﾞ"}, {"27", "ｶ"}, {"67", "ﾞ"}}),
             0,
             cp932Bytes("ｶﾞ"),
             3,
             {"780"},
             {0, 2}},
        Case{"ThreeByteTextAdvancesTwo",
             withFreeWords({{"55", "ABC"}, {"66", "C"}}),
             0,
             "ABC",
             5,
             {"75566"},
             {0, 3}},
        Case{
            "ThirdByteMustStillEncode", withFreeWords({{"55", "ABC"}}), 0, "ABC", -1, {"755"}, {0}},
        Case{"PhraseBeforeLongerPhrase",
             with(withFreeWords({{"11", "A"}, {"13", "Y"}}), &PagerType::FormStyles,
                  entries({{"01", "OK"}, {"02", "OKAY"}})),
             0,
             "OKAY",
             8,
             {"90171113"},
             {0, 4}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    MalformedEntries, EncodeCases,
    ::testing::Values(Case{"EmptyPhraseTextNeverMatches",
                           with(base(99), &PagerType::FormStyles,
                                {TableEntry::parse("[05]"), TableEntry::parse("[06")}),
                           0,
                           "A",
                           3,
                           {"711"},
                           {0, 1}},
                      Case{"EntryWithoutBracketNeverMatches",
                           with(base(99), &PagerType::FreeWords, {TableEntry::parse("[11A")}),
                           0,
                           "A",
                           -1,
                           {"7"},
                           {0}},
                      Case{"EmptyCodeIsAllowed",
                           with(base(99), &PagerType::FreeWords, {TableEntry::parse("[]A")}),
                           0,
                           "AA",
                           1,
                           {"7"},
                           {0, 2}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Modes, EncodeCases,
    ::testing::Values(
        Case{"FreeWordsStartInFreeWordMode", base(99), 0, "AB", 5, {"71112"}, {0, 2}},
        Case{"DigitsStartInNumberMode", base(99), 1, "12/A", 5, {"12711"}, {0, 4}},
        Case{"DigitsInFreeWordModeFail", base(99), 0, "1", -1, {"7"}, {0}},
        Case{"SwitchCharacterFirstWritesOnlyFreeEnd", base(99), 0, "/1", 2, {"81"}, {0, 2}},
        Case{"SwitchBackOpensANewRun", base(99), 0, "A/1/B", 8, {"71181712"}, {0, 5}},
        Case{"FreeWordsOnlyIgnoresPhrases",
             withFreeWords({{"21", "O"}, {"22", "K"}}),
             2,
             "OK",
             5,
             {"72122"},
             {0, 2}},
        Case{"NumberCodeLosesLeadingBlanksButNotTheirRoom",
             with(base(2), &PagerType::NumberWords, {TableEntry::parse("[ 1]1")}),
             1,
             "11",
             2,
             {"1", "1"},
             {0, 1, 2}},
        Case{"NumberEntryWithTwoByteTextNeverMatches",
             with(base(99), &PagerType::NumberWords, entries({{"3", "12"}, {"1", "1"}})),
             1,
             "12",
             -1,
             {"1"},
             {0}}),
    caseName);

// Splits by free words and numbers carry the join headers; the headers count
// against the two reserved digits.
INSTANTIATE_TEST_SUITE_P(
    JoinHeaders, EncodeCases,
    ::testing::Values(Case{"NumberSplitNumbersBothSides",
                           joined(10, "*9", "*8"),
                           1,
                           "1111111111",
                           14,
                           {"11111111*91", "1*811"},
                           {0, 8, 10}},
                      Case{"FreeWordSplitReopensTheRun",
                           joined(8),
                           0,
                           "AAA",
                           12,
                           {"71111*51", "1*6711"},
                           {0, 2, 3}},
                      Case{"RunOpeningSplitCountsParts",
                           joined(8),
                           0,
                           "A/1111/A",
                           19,
                           {"711811*51", "1*611*52", "2*6711"},
                           {0, 4, 7, 8}},
                      Case{"OnlyRightAfterASplit",
                           joined(14),
                           0,
                           "AAAAAA/1/A",
                           23,
                           {"71111111111*51", "1*671181711"},
                           {0, 5, 10}},
                      Case{
                          "NoneWithoutJoining", base(5), 0, "AAA", 8, {"71111", "711"}, {0, 2, 3}}),
    caseName);

// Splits forced by a phrase, a custom command, the switch character, the
// free-end step of number mode or direct mode never carry headers.
INSTANTIATE_TEST_SUITE_P(
    SplitsWithoutHeaders, EncodeCases,
    ::testing::Values(
        Case{"FixedPhrase", joined(8), 1, "1111OK", 7, {"1111", "901"}, {0, 4, 6}},
        Case{"CustomCommand",
             joined(8),
             1,
             "1111<1>",
             9,
             {"1111", "12345"},
             {0, 4, 7},
             {"12345", "", ""}},
        Case{"SwitchInFreeWordMode",
             with(joined(6), &PagerType::FreeWords, entries({{"11", "A"}, {"1", "C"}})),
             0,
             "AC/1",
             5,
             {"7111", "1"},
             {0, 2, 4}},
        Case{"SwitchInNumberMode", joined(6), 1, "1111/A", 7, {"1111", "711"}, {0, 4, 6}},
        Case{"FreeEndAfterPhrase",
             with(with(joined(8), &PagerType::FormContSw, 1), &PagerType::FormContStartCmd,
                  std::string("9")),
             1,
             "OK111",
             7,
             {"90181", "11"},
             {0, 3, 5}},
        Case{"DirectMode", joined(4), 3, "12345", 5, {"12", "34", "5"}, {0, 2, 4, 5}}),
    caseName);

PagerType joinedPhrases(int32_t msgCount) {
    PagerType type = base(msgCount);
    type.FormContSw = 1;
    type.FormContStartCmd = "0";
    type.FormStyles = entries({{"41", "OK"}, {"42", "NG"}});
    return type;
}

INSTANTIATE_TEST_SUITE_P(
    PhraseRows, EncodeCases,
    ::testing::Values(
        Case{"RowSharesOneStartCommand", joinedPhrases(99), 0, "OKNG", 5, {"04142"}, {0, 4}},
        Case{"FreeWordBreaksTheRow", joinedPhrases(99), 0, "OKANG", 9, {"041711042"}, {0, 5}},
        Case{"DigitsAfterPhraseGetFreeEnd",
             joinedPhrases(99),
             1,
             "OK11/A",
             11,
             {"04181818711"},
             {0, 6}},
        Case{"ContinuedRowSplitRepeatsStart",
             joinedPhrases(4),
             0,
             "OKNG",
             6,
             {"041", "042"},
             {0, 2, 4}},
        Case{"CustomCommandEndsTheRow",
             joinedPhrases(99),
             0,
             "OK<1>NG",
             8,
             {"04155042"},
             {0, 7},
             {"55", "", ""}},
        Case{"SeparateStartsWithoutJoining", base(99), 0, "OKOK", 6, {"901901"}, {0, 4}}),
    caseName);

PagerType bracketWords() {
    PagerType type = withFreeWords({{"90", "<"}, {"92", "2"}, {"93", ">"}});
    type.FormStyles = entries({{"77", "<2>"}, {"78", "<1>"}});
    return type;
}

INSTANTIATE_TEST_SUITE_P(
    CustomCommands, EncodeCases,
    ::testing::Values(
        Case{"TriedBeforePhrases", bracketWords(), 0, "<1>", 3, {"555"}, {0, 3}, {"555", "", ""}},
        Case{"ThirdCommand", bracketWords(), 1, "<3>", 2, {"4#4"}, {0, 3}, {"", "", "4#4"}},
        Case{"EmptyCommandIsText", bracketWords(), 0, "<2>", 7, {"7909293"}, {0, 3}},
        Case{"EmptyCommandFailsWithoutWords", base(99), 0, "<2>", -1, {"7"}, {0}},
        Case{"NotRecognisedInFreeWordsOnly",
             bracketWords(),
             2,
             "<2>",
             7,
             {"7909293"},
             {0, 3},
             {"1", "2", "3"}},
        Case{"MarkerCutShortIsText",
             bracketWords(),
             0,
             "<2",
             5,
             {"79092"},
             {0, 2},
             {"1", "2", "3"}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Failures, EncodeCases,
    ::testing::Values(
        Case{"KeepsPartsBuiltSoFar", base(5), 0, "AAAX", -1, {"71111", "711"}, {0, 2}},
        Case{"DirectModePlacesEveryValidCharacter",
             base(3),
             3,
             "12a34 #*5",
             -1,
             {"123", "4#*5"},
             {0, 4}},
        Case{"NoTypeFreeWordsOnly", PagerType(), 2, "A", -1, {"", ""}, {0, 0}},
        Case{"NoTypeCustomCommandsOnly",
             PagerType(),
             0,
             "<1><1>",
             2,
             {"", "1", "1"},
             {0, 0, 3, 6},
             {"1", "", ""}},
        Case{"NoTypeDirectGivesOnePartPerCharacter",
             PagerType(),
             3,
             "12",
             2,
             {"", "1", "2"},
             {0, 0, 1, 2}}),
    caseName);

// The same type reloaded in place, or another type, must never reuse a stale
// search of the first.
TEST(EncodeReuse, ReusedEncoderEqualsFreshOneAfterTypeChanges) {
    PagerType type = workedExampleType();
    Encoder reused;
    ASSERT_EQ(reused.Encode(inputFor(type, "AB/12OK")), 11);

    type.FreeWords = entries({{"31", "B"}, {"32", "A"}});
    type.FormStyles = entries({{"05", "K"}});
    EXPECT_EQ(reused.Encode(inputFor(type, "ABOK")), -1);
    type.FreeWords.push_back(testing::entry("33", "O"));
    Outcome fresh = encode(inputFor(type, "ABOK"));
    ASSERT_EQ(reused.Encode(inputFor(type, "ABOK")), fresh.result);
    EXPECT_EQ(reused.MsgParts, (Parts{"7323133", "905"}));
    EXPECT_EQ(reused.MsgParts, fresh.parts);

    PagerType service = testing::freeWordServiceType();
    std::string text = testing::freeWordServiceMessage(300);
    Outcome freshService = encode(inputFor(service, text));
    ASSERT_GE(reused.Encode(inputFor(service, text)), 0);
    EXPECT_EQ(reused.MsgParts, freshService.parts);
    EXPECT_EQ(reused.PartStarts, freshService.starts);
}

TEST(EncodeFailure, LeavesTheEncodedMessageOfTheLastSuccess) {
    PagerType type = workedExampleType();
    Encoder encoder;
    ASSERT_EQ(encoder.Encode(inputFor(type, "AB")), 5);
    EXPECT_EQ(encoder.Encode(inputFor(type, "ABX")), -1);
    EXPECT_EQ(encoder.EncodedMsg, "71112");
    EXPECT_EQ(encoder.MsgParts, Parts{"71112"});
    EXPECT_EQ(encoder.PartStarts, Starts{0});
}

// The count over all parts includes asterisk runs that straddle two parts.
TEST(EncodeCount, CountsTheJoinedPartsNotEachPart) {
    PagerType type = base(2);
    type.AsCount = 0;
    Encoder encoder;
    ASSERT_EQ(encoder.Encode(inputFor(type, "1***", 3)), 3);
    EXPECT_EQ(encoder.MsgParts, (Parts{"1**", "*"}));
}

} // namespace
} // namespace tonalink
