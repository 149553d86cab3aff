#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/phone_book_editing.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace tonalink;
using test::cp932Bytes;

namespace {

// Two callees with comments above each, a duplicate-free file without a final line end.
const std::string kBook = "; book\r\n\r\n"
                          "; first\r\n[A]\r\nPbCallNo=1\r\nOther=x\r\n\r\n"
                          "; second\r\n[B]\r\nPbCallNo=2\r\n"
                          "; third\r\n[C]\r\nPbCallNo=3";

ProfileFile book(const std::string& bytes = kBook) {
    return *ProfileFile::fromBytes(bytes);
}

TEST(CalleeEditing, EachEditChangesOnlyItsOwnLines) {
    struct Case {
        const char* name;
        ProfileError (*edit)(ProfileFile&);
        std::string expected;
    };
    const Case cases[] = {
        {"add", [](ProfileFile& f) { return addCallee(f, "D"); }, kBook + "\r\n[D]\r\n"},
        {"rename", [](ProfileFile& f) { return renameCallee(f, 1, "Bee"); },
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
             return writeCallee(f, 0, e);
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
    EXPECT_EQ(writeCallee(file, 0, e), ProfileError::BadValue);
    e.PbCallNo = "1\r\n2";
    EXPECT_EQ(writeCallee(file, 0, e), ProfileError::BadValue);
    EXPECT_EQ(addCallee(file, "b"), ProfileError::NameTaken);
    EXPECT_EQ(addCallee(file, " x"), ProfileError::BadName);
    EXPECT_EQ(addCallee(file, "x]"), ProfileError::BadName);
    EXPECT_EQ(renameCallee(file, 0, "c"), ProfileError::NameTaken);
    EXPECT_EQ(moveCalleeDown(file, 2), ProfileError::NoSection);
    EXPECT_EQ(file.bytes(), kBook);
    // The program lists names through a 32767-byte buffer: beyond it, never seen.
    ProfileFile full;
    ASSERT_EQ(full.appendSection(std::string(32761, 'x')), ProfileError::None);
    EXPECT_EQ(addCallee(full, "Last"), ProfileError::TooLarge);
    EXPECT_EQ(addCallee(full, "L"), ProfileError::None);
    EXPECT_EQ(checkCallNumber("0120,*#9"), FieldCheck::Ok);
    EXPECT_EQ(checkCallNumber("012-3"), FieldCheck::BadCharacter);
    EXPECT_EQ(checkCallNumber(std::string(21, '1')), FieldCheck::TooLong);
    EXPECT_EQ(checkPassword("12345"), FieldCheck::TooLong);
}

TEST(CalleeEditing, ActsOnTheSectionTheListShows) {
    // "[ゾｳ" only looks like a header: ゾ's second byte is ']'. PbType=T is A's.
    const std::string fake = "[" + cp932Bytes("ゾｳ") + "\r\nPbType=T\r\n";
    ProfileFile moved = book("[A]\r\n" + fake + "[B]\r\nk=2\r\n");
    ASSERT_EQ(moveCalleeDown(moved, 0), ProfileError::None);
    EXPECT_EQ(moved.bytes(), "[B]\r\nk=2\r\n[A]\r\n" + fake);
    // The second of two equal names is written, renamed and deleted as itself.
    ProfileFile twice = book("[A]\r\nk=1\r\n[a]\r\nk=2\r\n");
    PhoneBookEntry e = phoneBookEntryAt(twice, 1);
    e.PbCallNo = "9";
    ASSERT_EQ(writeCallee(twice, 1, e), ProfileError::None);
    ASSERT_EQ(renameCallee(twice, 1, "Z"), ProfileError::None);
    EXPECT_EQ(twice.bytes(), "[A]\r\nk=1\r\n[Z]\r\nk=2\r\nPbCallNo=9\r\n");
    ASSERT_EQ(twice.deleteSectionAt(1), ProfileError::None);
    EXPECT_EQ(twice.bytes(), "[A]\r\nk=1\r\n");
}

// Names over every class of code page 932 bytes: second bytes that are '[',
// '\', ']', '|', '{', '@' and letters, lead bytes of both ranges, one-byte kana.
struct NameCase {
    const char* name;
    const char* utf8;
};

class JapaneseName : public testing::TestWithParam<NameCase> {};

TEST_P(JapaneseName, GoesThroughEveryEditAndBack) {
    const std::string name = cp932Bytes(GetParam().utf8);
    // The other names of the table are there already: ア (83 41) and ヂ (83 61)
    // differ only in a second byte that is a letter of either case.
    ProfileFile file = book("[Start]\r\n[" + cp932Bytes("ゾｳ") + "\r\nPbType=T\r\n");
    for (const char* other : {"アキラ", "ヂキラ", "江口", "ボブ"}) {
        if (cp932Bytes(other) != name) {
            ASSERT_EQ(addCallee(file, cp932Bytes(other)), ProfileError::None) << other;
        }
    }
    ASSERT_EQ(addCallee(file, name), ProfileError::None);
    const std::size_t at = file.sectionCount() - 1;
    PhoneBookEntry entry{name, "T", "0312", "", "", 2, {"[51]" + name, "[]" + name}};
    ASSERT_EQ(writeCallee(file, at, entry), ProfileError::None);
    ASSERT_EQ(renameCallee(file, at, name + "2"), ProfileError::None);
    ASSERT_EQ(renameCallee(file, at, name), ProfileError::None);
    for (std::size_t up = file.listedSections().size() - 1; up-- > 0;)
        ASSERT_EQ(moveCalleeDown(file, up), ProfileError::None);
    ASSERT_EQ(file.sectionNames().front(), name);
    EXPECT_EQ(readPhoneBookEntry(file, "Start").PbType, "T");
    // The program's reader sees it as written.
    test::TempDir dir;
    ASSERT_EQ(file.save(dir.file("maddress.dat")), ProfileError::None);
    PhoneBook reader(dir.path.string());
    ASSERT_EQ(reader.ListPhoneBook(), 0);
    EXPECT_EQ(reader.PhoneBookNames, file.sectionNames());
    EXPECT_EQ(reader.ReadPhoneBookEntry(name), entry);

    // Exported and imported into an empty phone book: the same callees.
    ProfileFile copy;
    const CsvImport imported = importCallees(copy, exportCallees(file));
    EXPECT_EQ(imported.problems, std::vector<CsvProblem>{});
    EXPECT_EQ(copy.sectionNames(), file.sectionNames());
    EXPECT_EQ(readPhoneBookEntry(copy, name), entry);
}

INSTANTIATE_TEST_SUITE_P(
    Cp932Classes, JapaneseName,
    testing::Values(NameCase{"Trail5D_Eguchi", "江口"}, NameCase{"Trail5D_Mochizuki", "望月"},
                    NameCase{"Trail5D_Katakana", "ゾウ"}, NameCase{"Trail5C_Omotesando", "表参道"},
                    NameCase{"Trail5C5B_Sony", "ソニー"}, NameCase{"Trail7C_Pochi", "ポチ"},
                    NameCase{"Trail7B_Bob", "ボブ"}, NameCase{"TrailUpperA_Akira", "アキラ"},
                    NameCase{"TrailLowerA_Dikira", "ヂキラ"}, NameCase{"LeadE0Trail40", "漾子"},
                    NameCase{"LeadEA", "鷯"}, NameCase{"LeadFA", "纊"},
                    NameCase{"HalfWidthKana", "ｿﾞｳ"}, NameCase{"AsciiWithBlank", "Sato Hanako"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

} // namespace
