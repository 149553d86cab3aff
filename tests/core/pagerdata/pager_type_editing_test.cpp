#include "core/pagerdata/pager_type_editing.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using namespace tonalink;

namespace {

struct ListWriteCase {
    const char* name;
    NumberedList list;
    std::string before;
    std::vector<std::string> values;
    ProfileError expected;
    std::string after;
};

void PrintTo(const ListWriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ListWrite : public testing::TestWithParam<ListWriteCase> {};

TEST_P(ListWrite, RenumbersWithTheCountRight) {
    const ListWriteCase& c = GetParam();
    ProfileFile file = *ProfileFile::fromBytes(c.before);
    EXPECT_EQ(writeList(file, "T", c.list, c.values, 100), c.expected);
    EXPECT_EQ(file.bytes(), c.after);
    if (c.expected == ProfileError::None) {
        EXPECT_EQ(scanList(file.section("T"), c.list, 100).values, c.values);
    }
}

const std::string kFe = "[T]\r\nFreeWordCnt=3\r\nFe000=[11]a\r\nFe001 = [12]b\r\nFe002=[13]c\r\n"
                        "NumberWordCnt=0\r\n; end\r\n";

INSTANTIATE_TEST_SUITE_P(
    PagerTypeEditing, ListWrite,
    testing::Values(
        ListWriteCase{"InsertShiftsTheRest",
                      kFreeWordList,
                      kFe,
                      {"[11]a", "[19]z", "[12]b", "[13]c"},
                      ProfileError::None,
                      "[T]\r\nFreeWordCnt=4\r\nFe000=[11]a\r\nFe001=[19]z\r\nFe002=[12]b\r\n"
                      "Fe003=[13]c\r\nNumberWordCnt=0\r\n; end\r\n"},
        ListWriteCase{"DeleteRemovesTheLastKey",
                      kFreeWordList,
                      kFe,
                      {"[12]b", "[13]c"},
                      ProfileError::None,
                      "[T]\r\nFreeWordCnt=2\r\nFe000=[12]b\r\nFe001=[13]c\r\nNumberWordCnt=0\r\n"
                      "; end\r\n"},
        ListWriteCase{"UnchangedListLeavesEveryByte",
                      kFreeWordList,
                      kFe,
                      {"[11]a", "[12]b", "[13]c"},
                      ProfileError::None,
                      kFe},
        ListWriteCase{"StrayKeysBeyondTheCountGo",
                      kFreeWordList,
                      "[T]\nFreeWordCnt=1\nFe000=[1]a\nFe001=[2]b\nFe007=[7]x\nFe0001=[0]k\n",
                      {"[1]a"},
                      ProfileError::None,
                      "[T]\nFreeWordCnt=1\nFe000=[1]a\nFe0001=[0]k\n"},
        ListWriteCase{"TrailingBlankGuarded",
                      kNumberWordList,
                      "[T]\n",
                      {"[88] ", "[7]:x", "[12]::"},
                      ProfileError::None,
                      "[T]\nNumberWordCnt=3\nNu000=[88] :\nNu001=[7]:x\nNu002=[12]:::\n"},
        ListWriteCase{"PhoneBookPhrasesTwoDigits",
                      kUserPhraseList,
                      "[T]\r\nPbType=x\r\n",
                      {"[1]a", "[2]b"},
                      ProfileError::None,
                      "[T]\r\nPbType=x\r\nUserSetFormCnt=2\r\nUS00=[1]a\r\nUS01=[2]b\r\n"},
        ListWriteCase{"UnstorableBlankRefused",
                      kFormStyleList,
                      kFe,
                      {"[1]late "},
                      ProfileError::BadValue,
                      kFe},
        ListWriteCase{"TooLongRefused",
                      kFormStyleList,
                      kFe,
                      {"[1]" + std::string(97, 'x')},
                      ProfileError::BadValue,
                      kFe}),
    [](const testing::TestParamInfo<ListWriteCase>& info) { return std::string(info.param.name); });

TEST(ScanList, ShowsEntriesBeyondTheCountAndMissingOnesEmpty) {
    const ProfileFile file =
        *ProfileFile::fromBytes("[T]\nFormStyleCnt=2\nFm000=[1]a\nFm003=[4]d\nFm1000=[x]y\n");
    const ListInFile list = scanList(file.section("T"), kFormStyleList, 1000);
    EXPECT_EQ(list.values, (std::vector<std::string>{"[1]a", "", "", "[4]d"}));
    EXPECT_EQ(list.count, 2);
    EXPECT_FALSE(list.countAgrees());
}

struct CheckCase {
    const char* name;
    PagerTypeList list;
    std::vector<std::string> values;
    std::vector<EntryWarning> expected;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckEntries : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckEntries, FirstMatchWins) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(checkEntries(c.values, matchOf(c.list)), c.expected);
}

const std::string kA = test::cp932Bytes("ア");

INSTANTIATE_TEST_SUITE_P(
    PagerTypeEditing, CheckEntries,
    testing::Values(CheckCase{"MalformedEntries",
                              PagerTypeList::FreeWords,
                              {"", "11a", "[12]", "[13]" + kA, "[14]ab"},
                              {{0, EntryProblem::Empty},
                               {1, EntryProblem::NoBracket},
                               {2, EntryProblem::EmptyText},
                               {4, EntryProblem::WrongSize}}},
                    CheckCase{"PhraseShadowedByItsBeginning",
                              PagerTypeList::FormStyles,
                              {"[1]TEL", "[2]OK", "[3]TEL me", "[4]OK"},
                              {{2, EntryProblem::Shadowed, 0}, {3, EntryProblem::Shadowed, 1}}},
                    CheckCase{"FreeWordTwiceAndCodeBytesIgnored",
                              PagerTypeList::FreeWords,
                              {"[11]" + kA, "[A]a", "[12]" + kA},
                              {{2, EntryProblem::Shadowed, 0}}},
                    CheckCase{"NumberOfTwoBytesShadowsNothing",
                              PagerTypeList::NumberWords,
                              {"[1]12", "[2]1", "[3]1"},
                              {{0, EntryProblem::WrongSize}, {2, EntryProblem::Shadowed, 1}}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

} // namespace
