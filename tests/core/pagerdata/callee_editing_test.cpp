#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/phone_book_editing.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace tonalink;

namespace {

// Two callees with comments above each, a duplicate-free file without a final line end.
const std::string kBook = "; book\r\n\r\n"
                          "; first\r\n[A]\r\nPbCallNo=1\r\nOther=x\r\n\r\n"
                          "; second\r\n[B]\r\nPbCallNo=2\r\n"
                          "; third\r\n[C]\r\nPbCallNo=3";

ProfileFile book() {
    return *ProfileFile::fromBytes(kBook);
}

TEST(CalleeEditing, EachEditChangesOnlyItsOwnLines) {
    struct Case {
        const char* name;
        ProfileError (*edit)(ProfileFile&);
        std::string expected;
    };
    const Case cases[] = {
        {"add", [](ProfileFile& f) { return addCallee(f, "D"); }, kBook + "\r\n[D]\r\n"},
        {"rename", [](ProfileFile& f) { return renameCallee(f, "B", "Bee"); },
         "; book\r\n\r\n; first\r\n[A]\r\nPbCallNo=1\r\nOther=x\r\n\r\n; second\r\n[Bee]\r\n"
         "PbCallNo=2\r\n; third\r\n[C]\r\nPbCallNo=3"},
        {"delete", [](ProfileFile& f) { return f.deleteSection("B"); },
         "; book\r\n\r\n; first\r\n[A]\r\nPbCallNo=1\r\nOther=x\r\n\r\n; second\r\n; "
         "third\r\n[C]\r\nPbCallNo=3"},
        {"move first down", [](ProfileFile& f) { return moveCalleeDown(f, 0); },
         "; book\r\n\r\n; second\r\n[B]\r\nPbCallNo=2\r\n\r\n; first\r\n[A]\r\nPbCallNo=1"
         "\r\nOther=x\r\n; third\r\n[C]\r\nPbCallNo=3"},
        {"move last up", [](ProfileFile& f) { return moveCalleeDown(f, 1); },
         "; book\r\n\r\n; first\r\n[A]\r\nPbCallNo=1\r\nOther=x\r\n\r\n; third\r\n[C]\r\n"
         "PbCallNo=3\r\n; second\r\n[B]\r\nPbCallNo=2\r\n"},
        {"fields and phrases",
         [](ProfileFile& f) {
             PhoneBookEntry e = readPhoneBookEntry(f, "A");
             e.PbPassWord = "12";
             e.MsgGroup = 3;
             e.UserPhrases = {"[51]x"};
             return writeCallee(f, e);
         },
         "; book\r\n\r\n; first\r\n[A]\r\nPbCallNo=1\r\nOther=x\r\nPbPassWord=12\r\nMsgGroup=3"
         "\r\nUserSetFormCnt=1\r\nUS00=[51]x\r\n\r\n; second\r\n[B]\r\nPbCallNo=2\r\n; "
         "third\r\n[C]\r\nPbCallNo=3"},
    };
    for (const Case& c : cases) {
        ProfileFile file = book();
        ASSERT_EQ(c.edit(file), ProfileError::None) << c.name;
        EXPECT_EQ(file.bytes(), c.expected) << c.name;
    }
}

TEST(CalleeEditing, RefusalsLeaveTheFileAlone) {
    ProfileFile file = book();
    PhoneBookEntry e = readPhoneBookEntry(file, "A");
    e.PbCallNo = std::string(100, '1');
    EXPECT_EQ(writeCallee(file, e), ProfileError::BadValue);
    EXPECT_EQ(addCallee(file, "b"), ProfileError::NameTaken);
    EXPECT_EQ(addCallee(file, " x"), ProfileError::BadName);
    EXPECT_EQ(renameCallee(file, "A", "c"), ProfileError::NameTaken);
    EXPECT_EQ(moveCalleeDown(file, 2), ProfileError::NoSection);
    EXPECT_EQ(file.bytes(), kBook);
    EXPECT_EQ(checkCallNumber("0120,*#9"), FieldCheck::Ok);
    EXPECT_EQ(checkCallNumber("012-3"), FieldCheck::BadCharacter);
    EXPECT_EQ(checkCallNumber(std::string(21, '1')), FieldCheck::TooLong);
    EXPECT_EQ(checkPassword("12345"), FieldCheck::TooLong);
}

TEST(CalleeCsv, ImportsCp932AndUtf8AndRoundTrips) {
    const std::string name = test::cp932Bytes("山田 太郎");
    const std::string rows = "Name,PbCallNo,Note,MsgGroup\r\n" + name +
                             ",0201,\"a, \"\"b\"\"\",2\r\n"
                             ",0202,,1\r\n"        // no name
                             "\"x,y\",0203,,7\r\n" // bad group
                             "\"Two\r\nLines\",0204,,\r\n";
    const CalleeCsv cp932 = parseCalleeCsv(rows);
    ASSERT_EQ(cp932.refusal, CsvRefusal::None);
    EXPECT_EQ(cp932.unknownColumns, std::vector<std::string>{"Note"});
    ASSERT_EQ(cp932.callees.size(), 1u);
    EXPECT_EQ(cp932.callees[0].Name, name);
    EXPECT_EQ(cp932.callees[0].MsgGroup, 2);
    ASSERT_EQ(cp932.problems.size(), 3u);
    EXPECT_EQ(cp932.problems[0].line, 3u);
    EXPECT_EQ(cp932.problems[0].problem, CsvRowProblem::NoName);
    EXPECT_EQ(cp932.problems[1].problem, CsvRowProblem::BadGroup);
    EXPECT_EQ(cp932.problems[2].line, 5u);
    EXPECT_EQ(cp932.problems[2].problem, CsvRowProblem::BadName);

    // Merge one good row into the book, export, import the UTF-8 export again.
    ProfileFile file = book();
    CsvMerge merge;
    ASSERT_EQ(mergeCallees(file, cp932, &merge), ProfileError::None);
    EXPECT_EQ(merge.added, 1u);
    std::vector<PhoneBookEntry> all;
    for (const std::string& n : file.sectionNames())
        all.push_back(readPhoneBookEntry(file, n));
    const std::string exported = calleeCsv(all);
    EXPECT_EQ(exported.substr(exported.rfind("\r\n", exported.size() - 3) + 2),
              "山田 太郎,,0201,,,2\r\n");
    const CalleeCsv back = parseCalleeCsv(exported);
    ASSERT_EQ(back.callees.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(back.callees[i].Name, all[i].Name);
        EXPECT_EQ(back.callees[i].PbCallNo, all[i].PbCallNo);
        EXPECT_EQ(back.callees[i].MsgGroup, all[i].MsgGroup);
    }
    // Merging the export changes nothing: every row names a callee as it is.
    const std::string before = file.bytes();
    ASSERT_EQ(mergeCallees(file, back, &merge), ProfileError::None);
    EXPECT_EQ(merge.updated, all.size());
    EXPECT_EQ(file.bytes(), before);

    EXPECT_EQ(parseCalleeCsv("PbCallNo\r\n1\r\n").refusal, CsvRefusal::NoNameColumn);
    EXPECT_EQ(parseCalleeCsv("Name\r\n\"open").refusal, CsvRefusal::OpenQuote);
    EXPECT_EQ(parseCalleeCsv("Name\r\n\x81\x20").refusal, CsvRefusal::NotText);
}

} // namespace
