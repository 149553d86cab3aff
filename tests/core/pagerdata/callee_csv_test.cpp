#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/edited_profile.h"
#include "core/pagerdata/phone_book.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace tonalink;
using test::cp932Bytes;

namespace {

// Yamada is in no group as written (7); an empty MsgGroup cell keeps that.
const std::string kBook = "[Yamada]\r\nPbType=T\r\nPbCallNo=0201\r\nMsgGroup=7\r\n";

struct ImportCase {
    const char* name;
    std::string csv;
    std::vector<PhoneBookEntry> callees; // the whole phone book afterwards
    std::vector<CsvProblem> problems;
};

class CsvImportFile : public testing::TestWithParam<ImportCase> {};

TEST_P(CsvImportFile, ImportsEveryGoodRowAndReportsTheRest) {
    ProfileFile file = *ProfileFile::fromBytes(kBook);
    const CsvImport result = importCallees(file, GetParam().csv);
    ASSERT_EQ(result.refusal, CsvRefusal::None);
    EXPECT_EQ(result.problems, GetParam().problems);
    std::vector<PhoneBookEntry> callees;
    for (const std::string& name : file.sectionNames())
        callees.push_back(readPhoneBookEntry(file, name));
    EXPECT_EQ(callees, GetParam().callees);
}

const PhoneBookEntry kYamada{"Yamada", "T", "0201", "", "", 7, {}};

PhoneBookEntry callee(const char* utf8, const char* number, int32_t group = 0,
                      std::vector<std::string> phrases = {}) {
    return {cp932Bytes(utf8), "", number, "", "", group, std::move(phrases)};
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvImportFile,
    testing::Values(
        ImportCase{"Utf8WithACharacterCp932Lacks",
                   "Name,PbCallNo\r\n山田 José,0301\r\n江口,0302\r\n",
                   {kYamada, callee("江口", "0302")},
                   {{2, CsvRowProblem::NotCp932, "Name"}}},
        ImportCase{
            "Utf8WithBomUpdatesByNameIgnoringCase",
            "\xEF\xBB\xBFName,PbType,PbCallNo,MsgGroup\r\n望月,T,0302,1\r\nyamada,,0303,\r\n",
            {{"Yamada", "", "0303", "", "", 7, {}},
             {cp932Bytes("望月"), "T", "0302", "", "", 1, {}}},
            {}},
        ImportCase{"Cp932",
                   cp932Bytes("Name,PbCallNo\r\n江口,1\r\nゾウ,2\r\n"),
                   {kYamada, callee("江口", "1"), callee("ゾウ", "2")},
                   {}},
        ImportCase{"MixedRowByRow",
                   "Name,PbCallNo\r\n江口,1\r\n" + cp932Bytes("望月,2\r\n"),
                   {kYamada, callee("江口", "1"), callee("望月", "2")},
                   {}},
        ImportCase{"IgnoredColumnMayHoldAnything",
                   "Name,Note,PbCallNo\r\n佐藤,José ☺,3\r\n",
                   {kYamada, callee("佐藤", "3")},
                   {}},
        ImportCase{"BadRows",
                   "Name,PbCallNo,MsgGroup\r\n,1,\r\n佐藤,2,5\r\n佐藤,3,\r\nSATO,4\r\nsato,5,\r\n"
                   "X,6,,,\r\n",
                   {kYamada, callee("佐藤", "3"), callee("SATO", "4")},
                   {{2, CsvRowProblem::NoName, ""},
                    {3, CsvRowProblem::BadGroup, "MsgGroup"},
                    {6, CsvRowProblem::RepeatedName, ""},
                    {7, CsvRowProblem::TooManyFields, ""}}},
        ImportCase{
            "BadCells",
            "Name,PbCallNo,UserSetFormCnt,US00,US01\r\n佐藤,\"1\r\n2\",,,\r\n田中, 1,,,\r\n"
            "鈴木,1,1,a,b\r\n高橋,1,,[1]x,\r\n伊藤,\"1,2\",2,,[]y\r\n",
            {kYamada, callee("高橋", "1", 0, {"[1]x"}), callee("伊藤", "1,2", 0, {"", "[]y"})},
            {{2, CsvRowProblem::BadValue, "PbCallNo"},
             {4, CsvRowProblem::BadValue, "PbCallNo"},
             {5, CsvRowProblem::BadPhraseCount, ""}}}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

TEST(CsvExport, ImportsBackAsTheSamePhoneBook) {
    // Own phrases (one with an empty code), a group written outside 1-4, and a
    // name byte pair that is no code page 932 character.
    const std::string broken = "X\x85\x40";
    const std::string bytes = kBook + "UserSetFormCnt=2\r\nUS00=[51]" + cp932Bytes("了解") +
                              "\r\nUS01=[]text\r\n[" + broken + "]\r\nPbCallNo=1\r\nMsgGroup=3\r\n";
    ProfileFile file = *ProfileFile::fromBytes(bytes);
    const std::string csv = exportCallees(file);
    EXPECT_EQ(csv, "Name,PbType,PbCallNo,PhsCallNo,PbPassWord,MsgGroup,UserSetFormCnt,US00,US01\r\n"
                   "Yamada,T,0201,,,,2,[51]了解,[]text\r\n" +
                       broken + ",,1,,,3,0,,\r\n");

    ProfileFile empty;
    EXPECT_EQ(importCallees(empty, csv).problems, std::vector<CsvProblem>{});
    PhoneBookEntry yamada = readPhoneBookEntry(file, "Yamada");
    yamada.MsgGroup = 0; // no group either way
    EXPECT_EQ(readPhoneBookEntry(empty, "Yamada"), yamada);
    EXPECT_EQ(readPhoneBookEntry(empty, broken), readPhoneBookEntry(file, broken));

    // Into the phone book it came from: not one byte changes.
    EXPECT_EQ(importCallees(file, csv).updated, 2u);
    EXPECT_EQ(file.bytes(), bytes);

    EXPECT_EQ(importCallees(file, "PbCallNo\r\n1\r\n").refusal, CsvRefusal::NoNameColumn);
    EXPECT_EQ(importCallees(file, "Name\r\n\"open").refusal, CsvRefusal::OpenQuote);
}

// The editor's own save and a rewrite with the same bytes are no change; the
// reload and overwrite answers are the editor's flow test.
TEST(EditedProfile, TellsAChangeOnDiskFromItsOwnSave) {
    test::TempDir dir;
    dir.write("MADDRESS.DAT", kBook);
    auto edited = EditedProfile::open(dir.path.string(), PhoneBook::kFileName, nullptr);
    ASSERT_EQ(edited->file().appendSection("Mine"), ProfileError::None);
    dir.write("MADDRESS.DAT", kBook);
    EXPECT_FALSE(edited->changedOnDisk());
    ASSERT_EQ(edited->save(), ProfileError::None);
    EXPECT_FALSE(edited->changedOnDisk());
    std::filesystem::remove(dir.file("MADDRESS.DAT"));
    EXPECT_TRUE(edited->changedOnDisk());
}

} // namespace
