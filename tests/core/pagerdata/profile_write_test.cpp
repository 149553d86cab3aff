#include "core/pagerdata/profile_file.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>

using tonalink::ProfileError;
using tonalink::ProfileFile;
using tonalink::test::TempDir;

namespace {

struct WriteCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteString : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteString, ChangesOnlyItsOwnLine) {
    const WriteCase& c = GetParam();
    ProfileFile file = *ProfileFile::fromBytes(c.before);
    ASSERT_EQ(file.writeString(c.section, c.key, c.value), ProfileError::None);
    EXPECT_EQ(file.bytes(), c.after);
    EXPECT_EQ(file.readString(c.section, c.key), c.value);
}

// ゾ (0x83 0x5D) ends in the byte value of ']'.
const std::string kZo = "\x83\x5D";

INSTANTIATE_TEST_SUITE_P(
    Profile, WriteString,
    testing::Values(
        WriteCase{"ReplaceKeepsSpellingOfName", "[A]\r\n  WaitTime = 3 \r\nz=1\r\n", "a",
                  "waittime", "12", "[A]\r\nWaitTime=12\r\nz=1\r\n"},
        WriteCase{"ReplaceEmptyValue", "[A]\nk=\nz=1\n", "A", "k", "7", "[A]\nk=7\nz=1\n"},
        WriteCase{"ReplaceOnlyFirstOfDuplicateKeys", "[A]\nk=1\nk=2\n", "A", "k", "9",
                  "[A]\nk=9\nk=2\n"},
        WriteCase{"ReplaceLastLineWithoutLineEnd", "[A]\r\nk=1", "A", "k", "2", "[A]\r\nk=2"},
        WriteCase{"AddAfterLastKeyBeforeComments",
                  "; head\r\n[A]\r\nk=1\r\n; note\r\n\r\n[B]\r\nm=2\r\n", "A", "n", "5",
                  "; head\r\n[A]\r\nk=1\r\nn=5\r\n; note\r\n\r\n[B]\r\nm=2\r\n"},
        WriteCase{"AddToSectionWithoutKeys", "[A]\n\n[B]\n", "A", "n", "5", "[A]\nn=5\n\n[B]\n"},
        WriteCase{"AddToFirstCopyOfSection", "[A]\nk=1\n[a]\nm=2\n", "A", "m", "9",
                  "[A]\nk=1\nm=9\n[a]\nm=2\n"},
        WriteCase{"AddAtEndWithoutLineEnd", "[A]\r\nk=1", "A", "n", "5", "[A]\r\nk=1\r\nn=5"},
        WriteCase{"AddKeepsCrStyle", "[A]\rk=1\r", "A", "n", "5", "[A]\rk=1\rn=5\r"},
        WriteCase{"AddSectionAtEnd", "x=0\n[A]\nk=1\n", "N", "n", "5", "x=0\n[A]\nk=1\n[N]\nn=5\n"},
        WriteCase{"AddSectionAfterOpenLastLine", "[A]\nk=1", "N", "n", "5", "[A]\nk=1\n[N]\nn=5\n"},
        WriteCase{"AddSectionToEmptyFileUsesCrLf", "", "N", "n", "5", "[N]\r\nn=5\r\n"},
        WriteCase{"KeysBeforeFirstSectionUntouched", "k=0\r\n[A]\r\n", "A", "k", "1",
                  "k=0\r\n[A]\r\nk=1\r\n"},
        WriteCase{"SectionNameEndingInBracketByte", "[" + kZo + "]\r\nk=1\r\n", kZo, "k", "2",
                  "[" + kZo + "]\r\nk=2\r\n"},
        WriteCase{"NewSectionEndingInBracketByte", "", kZo, "k", "2", "[" + kZo + "]\r\nk=2\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
    ProfileError expected;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(WriteRefused, LeavesTheBytesAlone) {
    const RefusedCase& c = GetParam();
    const std::string before = "[A]\r\nk=1\r\n";
    ProfileFile file = *ProfileFile::fromBytes(before);
    EXPECT_EQ(file.writeString(c.section, c.key, c.value), c.expected);
    EXPECT_EQ(file.bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, WriteRefused,
    testing::Values(
        RefusedCase{"ValueWithLf", "A", "k", "1\n[B]", ProfileError::BadValue},
        RefusedCase{"ValueWithCr", "A", "k", "1\rx=2", ProfileError::BadValue},
        RefusedCase{"ValueWithNul", "A", "k", std::string("1\0x", 3), ProfileError::BadValue},
        RefusedCase{"EmptyKey", "A", "", "1", ProfileError::BadName},
        RefusedCase{"KeyWithEquals", "A", "k=x", "1", ProfileError::BadName},
        RefusedCase{"KeyWithBlankAround", "A", " k", "1", ProfileError::BadName},
        RefusedCase{"KeyLikeComment", "A", ";k", "1", ProfileError::BadName},
        RefusedCase{"KeyLikeHeader", "A", "[B]x", "1", ProfileError::BadName},
        RefusedCase{"KeyEndingInLeadByte", "A", "k\x83", "1", ProfileError::BadName},
        RefusedCase{"KeyWithLineBreak", "A", "k\nx", "1", ProfileError::BadName},
        RefusedCase{"EmptySection", "", "k", "1", ProfileError::BadName},
        RefusedCase{"SectionWithBracket", "A]B", "k", "1", ProfileError::BadName},
        RefusedCase{"SectionEndingInLeadByte", "A\x83", "k", "1", ProfileError::BadName},
        RefusedCase{"SectionWithBlankAround", "A ", "k", "1", ProfileError::BadName}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(WriteProfileStrings, ReplacesTheFileKeepingEveryOtherByte) {
    TempDir dir;
    const std::string before = "; types\r\n[T]\r\nWaitTime=3\r\nFm000=[1]a\r\n\r\n[U]\r\n";
    const std::string path = dir.write("call.dat", before);
    ASSERT_EQ(tonalink::writeProfileStrings(path, "t", {{"WaitTime", "8"}, {"CutTime", "-2"}}),
              ProfileError::None);
    EXPECT_EQ(dir.read("call.dat"),
              "; types\r\n[T]\r\nWaitTime=8\r\nFm000=[1]a\r\nCutTime=-2\r\n\r\n[U]\r\n");
}

TEST(WriteProfileStrings, CreatesAMissingFile) {
    TempDir dir;
    ASSERT_EQ(tonalink::writeProfileStrings(dir.file("call.dat"), "T", {{"WaitTime", "8"}}),
              ProfileError::None);
    EXPECT_EQ(dir.read("call.dat"), "[T]\r\nWaitTime=8\r\n");
}

TEST(WriteProfileStrings, WritesNothingWhenAnyValueIsRefused) {
    TempDir dir;
    const std::string before = "[T]\r\nWaitTime=3\r\n";
    const std::string path = dir.write("call.dat", before);
    EXPECT_EQ(tonalink::writeProfileStrings(path, "T", {{"WaitTime", "8"}, {"CutTime", "1\n"}}),
              ProfileError::BadValue);
    EXPECT_EQ(dir.read("call.dat"), before);
}

TEST(WriteProfileStrings, RefusesAFileTooLargeToReadWithoutTouchingIt) {
    TempDir dir;
    const std::string path = dir.writeSparse("call.dat", ProfileFile::kMaxFileBytes + 1);
    const auto written = std::filesystem::last_write_time(path);
    EXPECT_EQ(tonalink::writeProfileStrings(path, "T", {{"WaitTime", "8"}}),
              ProfileError::TooLarge);
    EXPECT_EQ(std::filesystem::file_size(path), ProfileFile::kMaxFileBytes + 1);
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(WriteProfileStrings, RefusesAPathThatIsNoFile) {
    TempDir dir;
    EXPECT_EQ(tonalink::writeProfileStrings(dir.path.string(), "T", {{"WaitTime", "8"}}),
              ProfileError::Unreadable);
}

} // namespace
