#include "core/pagerdata/phone_book.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tonalink::PhoneBook;
using tonalink::PhoneBookEntry;
using tonalink::ProfileError;
using tonalink::test::cp932Bytes;
using tonalink::test::fixture;
using tonalink::test::TempDir;

namespace {

class PhoneBookTest : public testing::Test {
protected:
    TempDir dir;
    PhoneBook book{dir.path.string()};

    void useFixture(const char* fileName = "maddress.dat") {
        dir.copyFrom(fixture("maddress.dat"), fileName);
        ASSERT_EQ(book.ListPhoneBook(), 0);
    }
    void useBytes(const std::string& bytes) {
        dir.write("maddress.dat", bytes);
        ASSERT_EQ(book.ListPhoneBook(), 0);
    }
};

void expectEntry(const PhoneBookEntry& actual, const PhoneBookEntry& expected) {
    EXPECT_EQ(actual.Name, expected.Name);
    EXPECT_EQ(actual.PbType, expected.PbType);
    EXPECT_EQ(actual.PbCallNo, expected.PbCallNo);
    EXPECT_EQ(actual.PhsCallNo, expected.PhsCallNo);
    EXPECT_EQ(actual.PbPassWord, expected.PbPassWord);
    EXPECT_EQ(actual.MsgGroup, expected.MsgGroup);
    EXPECT_EQ(actual.UserPhrases, expected.UserPhrases);
}

TEST_F(PhoneBookTest, MissingFileIsReportedAndStateKept) {
    book.PbFilePath = "/old/maddress.dat";
    book.PhoneBookNames = {"old"};
    EXPECT_FALSE(book.LocatePhoneBook());
    EXPECT_EQ(book.ListPhoneBook(), -1);
    EXPECT_EQ(book.lastError(), ProfileError::Missing);
    EXPECT_EQ(book.PbFilePath, "/old/maddress.dat");
    EXPECT_EQ(book.PhoneBookNames, std::vector<std::string>{"old"});
}

TEST_F(PhoneBookTest, ListsNamesInFileOrderWhateverTheCaseOfTheFileName) {
    useFixture("MADDRESS.DAT");
    EXPECT_EQ(book.PbFilePath, dir.file("MADDRESS.DAT"));
    const std::vector<std::string> expected{cp932Bytes("山田 太郎"), cp932Bytes("鈴木"),
                                            cp932Bytes("佐藤")};
    EXPECT_EQ(book.PhoneBookNames, expected);
    EXPECT_EQ(book.ReadEntryNames(), expected);
}

TEST_F(PhoneBookTest, ReadsAWholeEntry) {
    useFixture();
    expectEntry(book.ReadPhoneBookEntry(cp932Bytes("山田 太郎")),
                {cp932Bytes("山田 太郎"),
                 cp932Bytes("フリーワード14"),
                 "0201234567",
                 "0570000000",
                 "1234",
                 2,
                 {cp932Bytes("[31]会議中"), cp932Bytes("[32]帰ります")}});
}

TEST_F(PhoneBookTest, KeepsAnyGroupNumberAndDefaultsMissingKeys) {
    useFixture();
    expectEntry(book.ReadPhoneBookEntry(cp932Bytes("鈴木")),
                {cp932Bytes("鈴木"), cp932Bytes("数字"), "0209999999", "", "", 7, {}});
    expectEntry(book.ReadPhoneBookEntry(cp932Bytes("佐藤")), {cp932Bytes("佐藤"),
                                                              cp932Bytes("ありません"),
                                                              "0201111111",
                                                              "",
                                                              "",
                                                              0,
                                                              {"[1]a", "", "[3]c"}});
}

TEST_F(PhoneBookTest, UnknownEntryOrDeletedFileGivesDefaults) {
    useFixture();
    expectEntry(book.ReadPhoneBookEntry("nobody"), {"nobody", "", "", "", "", 0, {}});
    std::filesystem::remove(book.PbFilePath);
    expectEntry(book.ReadPhoneBookEntry(cp932Bytes("山田 太郎")),
                {cp932Bytes("山田 太郎"), "", "", "", "", 0, {}});
    EXPECT_TRUE(book.ReadMsgGroups(-1) == std::vector<int32_t>(3, -1));
    EXPECT_EQ(book.PhoneBookNames.size(), 3u);
}

TEST_F(PhoneBookTest, UserPhraseCountIsBounded) {
    useBytes("[Huge]\r\nUserSetFormCnt=2000000000\r\nUS9999=[9]z\r\n"
             "[Negative]\r\nUserSetFormCnt=-4\r\nUS00=[1]a\r\n");
    const PhoneBookEntry huge = book.ReadPhoneBookEntry("Huge");
    ASSERT_EQ(huge.UserPhrases.size(), 10000u);
    EXPECT_EQ(huge.UserPhrases.back(), "[9]z");
    EXPECT_TRUE(book.ReadPhoneBookEntry("Negative").UserPhrases.empty());
}

TEST_F(PhoneBookTest, ReadsEveryGroupInListOrderWithTheCallersDefault) {
    useFixture();
    EXPECT_EQ(book.ReadMsgGroups(-1), (std::vector<int32_t>{2, 7, -1}));
    EXPECT_EQ(book.ReadMsgGroups(0), (std::vector<int32_t>{2, 7, 0}));
}

TEST_F(PhoneBookTest, FileTooLargeIsRefusedAndNamesKept) {
    dir.writeSparse("maddress.dat", tonalink::ProfileFile::kMaxFileBytes + 1);
    book.PhoneBookNames = {"old"};
    EXPECT_EQ(book.ListPhoneBook(), -1);
    EXPECT_EQ(book.lastError(), ProfileError::TooLarge);
    EXPECT_EQ(book.PhoneBookNames, std::vector<std::string>{"old"});
}

} // namespace
