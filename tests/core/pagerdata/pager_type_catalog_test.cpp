#include "core/pagerdata/pager_type_catalog.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using tonalink::PagerTypeCatalog;
using tonalink::ProfileError;
using tonalink::TableEntry;
using tonalink::test::cp932Bytes;
using tonalink::test::fixture;
using tonalink::test::TempDir;

namespace {

std::vector<std::string> raws(const std::vector<TableEntry>& entries) {
    std::vector<std::string> out;
    for (const TableEntry& e : entries)
        out.push_back(e.raw);
    return out;
}

class PagerTypeCatalogTest : public testing::Test {
protected:
    TempDir dir;
    PagerTypeCatalog catalog{dir.path.string()};

    void useFixture(const char* fileName = "call.dat") {
        dir.copyFrom(fixture("call.dat"), fileName);
        ASSERT_EQ(catalog.ListPagerTypes(false), 0);
    }
    void useBytes(const std::string& bytes) {
        dir.write("call.dat", bytes);
        ASSERT_EQ(catalog.ListPagerTypes(false), 0);
    }
};

TEST_F(PagerTypeCatalogTest, MissingFileIsReportedAndNamesKept) {
    catalog.PagerTypeNames = {"old"};
    EXPECT_EQ(catalog.ListPagerTypes(false), -1);
    EXPECT_EQ(catalog.lastError(), ProfileError::Missing);
    EXPECT_EQ(catalog.PagerTypeNames, std::vector<std::string>{"old"});
    EXPECT_EQ(catalog.CallDatPath, "");
}

TEST_F(PagerTypeCatalogTest, ListsNamesInFileOrderWhateverTheCaseOfTheFileName) {
    useFixture("CALL.DAT");
    EXPECT_EQ(catalog.CallDatPath,
              std::filesystem::path(dir.file("CALL.DAT")).lexically_normal().string());
    EXPECT_EQ(catalog.PagerTypeNames,
              (std::vector<std::string>{cp932Bytes("フリーワード14"), cp932Bytes("数字"),
                                        cp932Bytes("空")}));
}

TEST_F(PagerTypeCatalogTest, KeepPathRereadsTheFileFoundFirst) {
    useBytes("[First]\r\n");
    const std::string first = catalog.CallDatPath;
    std::filesystem::remove(first);
    dir.write("Call.Dat", "[Second]\r\n");

    EXPECT_EQ(catalog.ListPagerTypes(true), 0);
    EXPECT_EQ(catalog.CallDatPath, first);
    EXPECT_TRUE(catalog.PagerTypeNames.empty());

    EXPECT_EQ(catalog.ListPagerTypes(false), 0);
    EXPECT_EQ(catalog.CallDatPath, dir.file("Call.Dat"));
    EXPECT_EQ(catalog.PagerTypeNames, std::vector<std::string>{"Second"});
}

TEST_F(PagerTypeCatalogTest, FileTooLargeIsRefusedAndNamesKept) {
    dir.writeSparse("call.dat", tonalink::ProfileFile::kMaxFileBytes + 1);
    catalog.PagerTypeNames = {"old"};
    EXPECT_EQ(catalog.ListPagerTypes(false), -1);
    EXPECT_EQ(catalog.lastError(), ProfileError::TooLarge);
    EXPECT_EQ(catalog.PagerTypeNames, std::vector<std::string>{"old"});
}

TEST_F(PagerTypeCatalogTest, LoadsEveryKeyOfAType) {
    useFixture();
    catalog.LoadPagerType(cp932Bytes("フリーワード14"));
    const tonalink::PagerType& t = catalog.PagerType;
    EXPECT_EQ(catalog.PagerTypeName, cp932Bytes("フリーワード14"));
    EXPECT_EQ(t.FreeStartCmd, "*2*2");
    EXPECT_EQ(t.FreeEndCmd, "*2");
    EXPECT_EQ(t.FormStartCmd, "*4");
    EXPECT_EQ(t.FormEndCmd, "#4");
    EXPECT_EQ(t.MsgEndCmd, "##");
    EXPECT_EQ(t.MsgCount, 28);
    EXPECT_EQ(t.AsCount, 1);
    EXPECT_EQ(t.FreeToSuzi, "@");
    EXPECT_EQ(t.FormContSw, 1);
    EXPECT_EQ(t.FormContStartCmd, "*8");
    EXPECT_EQ(t.MsgJoinSw, 1);
    EXPECT_EQ(t.MsgJoinFrontCmd, "*7");
    EXPECT_EQ(t.MsgJoinAfterCmd, "*9");
    EXPECT_EQ(t.WaitTime, 5);
    EXPECT_EQ(t.CutTime, 3);
    EXPECT_EQ(t.MsgCancelCmd, "*0");
    EXPECT_EQ(t.PassWordSw, 1);
    EXPECT_EQ(t.PbOrPhsSw, 1);
    EXPECT_EQ(t.PhsCallEnd, 1);
    EXPECT_EQ(raws(t.FormStyles),
              (std::vector<std::string>{cp932Bytes("[01]おはよう"), cp932Bytes("[02]TEL下さい")}));
    EXPECT_EQ(raws(t.FreeWords),
              (std::vector<std::string>{cp932Bytes("[11]ア"), "[88] ", "[16]A"}));
    EXPECT_EQ(t.FreeWords[1].code, "88");
    EXPECT_EQ(t.FreeWords[1].text, " ");
    EXPECT_EQ(raws(t.NumberWords), (std::vector<std::string>{"[ 96]1", "[90]5"}));
    EXPECT_EQ(catalog.lastError(), ProfileError::None);
}

TEST_F(PagerTypeCatalogTest, SwitchingTypesLeavesNothingOfTheFirst) {
    useFixture();
    catalog.LoadPagerType(cp932Bytes("フリーワード14"));
    catalog.AppendFormStyles({"[31]x"});
    catalog.LoadPagerType(cp932Bytes("数字"));
    const tonalink::PagerType& t = catalog.PagerType;
    EXPECT_EQ(t.FreeStartCmd, "");
    EXPECT_EQ(t.MsgEndCmd, "#");
    EXPECT_EQ(t.MsgCount, 12);
    EXPECT_EQ(t.PbOrPhsSw, 0);
    EXPECT_EQ(t.WaitTime, 0);
    EXPECT_TRUE(t.FormStyles.empty());
    EXPECT_TRUE(t.FreeWords.empty());
    EXPECT_EQ(raws(t.NumberWords), std::vector<std::string>{"[1]1"});
}

TEST_F(PagerTypeCatalogTest, EmptyUnknownOrUnnamedTypesLoadAsTheEmptyRecord) {
    useBytes("[Full]\r\nMsgCount=20\r\nMsgEndCmd=#\r\nFormStyleCnt=1\r\nFm000=[1]a\r\n"
             "[Empty]\r\n[]\r\nMsgCount=9\r\n");
    for (const std::string name : {"Empty", "Unknown", ""}) {
        catalog.LoadPagerType("Full");
        catalog.LoadPagerType(name);
        EXPECT_EQ(catalog.PagerTypeName, name);
        EXPECT_EQ(catalog.PagerType.MsgCount, 0) << name;
        EXPECT_EQ(catalog.PagerType.MsgEndCmd, "") << name;
        EXPECT_TRUE(catalog.PagerType.FormStyles.empty()) << name;
    }
}

TEST_F(PagerTypeCatalogTest, FileDeletedAfterListingLoadsDefaults) {
    useFixture();
    std::filesystem::remove(catalog.CallDatPath);
    catalog.LoadPagerType(cp932Bytes("フリーワード14"));
    EXPECT_EQ(catalog.PagerType.MsgCount, 0);
    EXPECT_EQ(catalog.PagerType.FreeStartCmd, "");
    EXPECT_TRUE(catalog.PagerType.NumberWords.empty());
    EXPECT_EQ(catalog.PagerTypeNames.size(), 3u);
}

TEST_F(PagerTypeCatalogTest, MissingNumberedEntriesBecomeEmptyEntries) {
    useBytes("[T]\r\nFormStyleCnt=3\r\nFm000=[1]a\r\nFm002=[3]c\r\nFm001x=[2]b\r\n");
    catalog.LoadPagerType("T");
    EXPECT_EQ(raws(catalog.PagerType.FormStyles), (std::vector<std::string>{"[1]a", "", "[3]c"}));
    EXPECT_FALSE(catalog.PagerType.FormStyles[1].matchable);
}

TEST_F(PagerTypeCatalogTest, EntriesWithoutBracketOrTextAreKeptButNeverMatch) {
    useBytes("[T]\r\nFreeWordCnt=3\r\nFe000=[11\r\nFe001=[12]\r\nFe002=[13]x\r\n");
    catalog.LoadPagerType("T");
    const auto& words = catalog.PagerType.FreeWords;
    EXPECT_EQ(raws(words), (std::vector<std::string>{"[11", "[12]", "[13]x"}));
    EXPECT_FALSE(words[0].matchable);
    EXPECT_FALSE(words[1].matchable);
    EXPECT_TRUE(words[2].matchable);
}

TEST_F(PagerTypeCatalogTest, IndexesPastThreeDigitsAreRead) {
    std::string bytes = "[T]\r\nNumberWordCnt=1001\r\nNu1000=[9]z\r\n";
    useBytes(bytes);
    catalog.LoadPagerType("T");
    ASSERT_EQ(catalog.PagerType.NumberWords.size(), 1001u);
    EXPECT_EQ(catalog.PagerType.NumberWords[1000].raw, "[9]z");
}

struct CountCase {
    const char* name;
    std::string value;
    std::size_t expected;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << c.name;
}

class EntryCounts : public PagerTypeCatalogTest, public testing::WithParamInterface<CountCase> {};

TEST_P(EntryCounts, AreBounded) {
    const CountCase& c = GetParam();
    useBytes("[T]\r\nFormStyleCnt=" + c.value + "\r\nFreeWordCnt=" + c.value +
             "\r\nNumberWordCnt=" + c.value + "\r\n");
    catalog.LoadPagerType("T");
    EXPECT_EQ(catalog.PagerType.FormStyles.size(), c.expected);
    EXPECT_EQ(catalog.PagerType.FreeWords.size(), c.expected);
    EXPECT_EQ(catalog.PagerType.NumberWords.size(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PagerType, EntryCounts,
    testing::Values(CountCase{"Huge", "2000000000", 10000}, CountCase{"Negative", "-5", 0},
                    CountCase{"WrapsToOne", "4294967297", 1}, CountCase{"Text", "many", 0},
                    CountCase{"AtTheCap", "10000", 10000}),
    [](const testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

struct GuardCase {
    const char* name;
    std::string value;
    std::string freeWord;  // the same value as Fe and Nu entries
    std::string formStyle; // as an Fm entry, never guarded
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

class TrailingBlankGuard : public PagerTypeCatalogTest,
                           public testing::WithParamInterface<GuardCase> {};

TEST_P(TrailingBlankGuard, AppliesToFreeWordsAndNumbersOnly) {
    const GuardCase& c = GetParam();
    useBytes("[T]\r\nFormStyleCnt=1\r\nFm000=" + c.value + "\r\nFreeWordCnt=1\r\nFe000=" + c.value +
             "\r\nNumberWordCnt=1\r\nNu000=" + c.value + "\r\n");
    catalog.LoadPagerType("T");
    EXPECT_EQ(catalog.PagerType.FreeWords.at(0).raw, c.freeWord);
    EXPECT_EQ(catalog.PagerType.NumberWords.at(0).raw, c.freeWord);
    EXPECT_EQ(catalog.PagerType.FormStyles.at(0).raw, c.formStyle);
}

// ア is 0x83 0x41.
const std::string kA = "\x83\x41";

INSTANTIATE_TEST_SUITE_P(
    PagerType, TrailingBlankGuard,
    testing::Values(GuardCase{"SixBytesEndingInColon", "[88] :", "[88] ", "[88] :"},
                    GuardCase{"ColonSeventhByteKept", "[88]a :", "[88]a :", "[88]a :"},
                    GuardCase{"ShortValueKept", "[8] :", "[8] :", "[8] :"},
                    GuardCase{"ColonSixthOfLonger", "[88] :x", "[88] :", "[88] :x"},
                    GuardCase{"NeverSplitsACharacter", "[88] :" + kA, "[88] :", "[88] :" + kA}),
    [](const testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

TEST_F(PagerTypeCatalogTest, EntriesAreCutTo99BytesBeforeTheGuard) {
    const std::string value = "[88] :" + std::string(200, 'y');
    useBytes("[T]\r\nFreeWordCnt=1\r\nFe000=" + value + "\r\n");
    catalog.LoadPagerType("T");
    EXPECT_EQ(catalog.PagerType.FreeWords.at(0).raw, value.substr(0, 98));
}

TEST_F(PagerTypeCatalogTest, AppendFormStylesGoesAfterTheTypesOwn) {
    useFixture();
    catalog.LoadPagerType(cp932Bytes("フリーワード14"));
    catalog.AppendFormStyles({"[31]a", "bad"});
    EXPECT_EQ(raws(catalog.PagerType.FormStyles),
              (std::vector<std::string>{cp932Bytes("[01]おはよう"), cp932Bytes("[02]TEL下さい"),
                                        "[31]a", "bad"}));
    EXPECT_EQ(catalog.PagerType.FormStyles[2].code, "31");
    EXPECT_FALSE(catalog.PagerType.FormStyles[3].matchable);
}

TEST_F(PagerTypeCatalogTest, ClearEmptiesTheNamedFieldsOnly) {
    useFixture();
    catalog.LoadPagerType(cp932Bytes("フリーワード14"));
    catalog.ClearPagerType();
    const tonalink::PagerType& t = catalog.PagerType;
    EXPECT_EQ(t.FreeStartCmd + t.FreeEndCmd + t.FormStartCmd + t.FormEndCmd + t.FreeToSuzi +
                  t.MsgJoinFrontCmd + t.MsgJoinAfterCmd,
              "");
    EXPECT_TRUE(t.FormStyles.empty() && t.FreeWords.empty() && t.NumberWords.empty());
    EXPECT_EQ(t.MsgEndCmd, "##");
    EXPECT_EQ(t.MsgCount, 28);
}

TEST_F(PagerTypeCatalogTest, WritesWaitAndCutTimeIntoTheLoadedTypesSection) {
    const std::string before =
        "; types\r\n[A]\r\nwaittime = 5\r\nFm000=[1]a\r\n\r\n[B]\r\nWaitTime=1\r\n";
    useBytes(before);
    catalog.LoadPagerType("a");
    catalog.PagerType.WaitTime = 12;
    catalog.PagerType.CutTime = -3;
    EXPECT_EQ(catalog.WriteWaitAndCutTime(), 0);
    EXPECT_EQ(dir.read("call.dat"), "; types\r\n[A]\r\nwaittime=12\r\nFm000=[1]a\r\nCutTime=-3\r\n"
                                    "\r\n[B]\r\nWaitTime=1\r\n");
}

TEST_F(PagerTypeCatalogTest, WritesNothingWithoutALoadedType) {
    const std::string before = "[A]\r\nWaitTime=5\r\n";
    useBytes(before);
    catalog.PagerType.WaitTime = 12;
    EXPECT_EQ(catalog.WriteWaitAndCutTime(), 0);
    EXPECT_EQ(dir.read("call.dat"), before);
}

TEST_F(PagerTypeCatalogTest, FindsNamesIgnoringAsciiCase) {
    useBytes("[Alpha]\r\n[beta]\r\n");
    EXPECT_EQ(catalog.FindPagerTypeName("BETA"), 1u);
    EXPECT_EQ(catalog.FindPagerTypeName("alpha"), 0u);
    EXPECT_EQ(catalog.FindPagerTypeName("gamma"), std::nullopt);
}

} // namespace
