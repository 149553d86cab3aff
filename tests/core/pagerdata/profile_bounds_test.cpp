#include "core/pagerdata/profile_file.h"
#include "test_support.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using tonalink::ProfileError;
using tonalink::ProfileFile;
using tonalink::test::TempDir;

namespace {

std::string junk(std::size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return bytes;
}

TEST(ProfileBounds, BinaryJunkLeavesLaterSectionsReadable) {
    const std::string good = "\r\n[Good]\r\nk=v\r\n";
    for (uint32_t seed : {1u, 2u, 3u}) {
        ProfileFile file = *ProfileFile::fromBytes(junk(1 << 20, seed) + good + junk(4096, seed));
        EXPECT_EQ(file.readString("Good", "k"), "v") << seed;
        for (const std::string& name : file.sectionNames())
            EXPECT_LE(file.readString(name, "x").size(), 99u);
        ASSERT_EQ(file.writeString("Good", "k", "w"), ProfileError::None);
        EXPECT_EQ(file.readString("Good", "k"), "w");
    }
}

TEST(ProfileBounds, FileWithoutSectionsReadsDefaults) {
    ProfileFile file = *ProfileFile::fromBytes("k=v\r\nMsgCount=5\r\n");
    EXPECT_TRUE(file.sectionNames().empty());
    EXPECT_EQ(file.readInt("", "MsgCount", 0), 0);
    EXPECT_EQ(file.readString("", "k"), "");
}

TEST(ProfileBounds, MegabyteLinesAreCutAndTheRestStaysReadable) {
    const std::string bigValue(3 << 20, 'x');
    const std::string bigKey(2 << 20, 'K');
    const std::string bigSection(2 << 20, 'S');
    ProfileFile file =
        *ProfileFile::fromBytes("[A]\r\nbig=" + bigValue + "\r\n" + bigKey + "=1\r\nk=v\r\n[" +
                                bigSection + "]\r\nm=w\r\n[B]\r\n");
    EXPECT_EQ(file.readString("A", "big"), std::string(99, 'x'));
    EXPECT_EQ(file.readInt("A", bigKey, 0), 1);
    EXPECT_EQ(file.readString("A", "k"), "v");
    EXPECT_EQ(file.readString(bigSection, "m"), "w");
    EXPECT_EQ(file.sectionNames(), (std::vector<std::string>{"A", "B"}));
}

TEST(ProfileBounds, ManyKeysOfSeveralMegabytesAreIndexed) {
    std::string bytes = "[A]\n";
    for (int i = 0; i < 300000; ++i)
        bytes += "key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\n";
    ASSERT_GT(bytes.size(), 4u << 20);
    const ProfileFile file = *ProfileFile::fromBytes(bytes);
    const tonalink::ProfileSection section = file.section("a");
    EXPECT_EQ(section.readInt("KEY0", -1), 0);
    EXPECT_EQ(section.readInt("key299999", -1), 299999 * 7);
    EXPECT_EQ(section.readInt("key300000", -1), -1);
}

TEST(ProfileBounds, LargerFilesAreRefused) {
    EXPECT_FALSE(ProfileFile::fromBytes(std::string(ProfileFile::kMaxFileBytes + 1, ' ')));
    EXPECT_TRUE(ProfileFile::fromBytes(std::string(ProfileFile::kMaxFileBytes, ' ')));

    TempDir dir;
    const std::string path = dir.writeSparse("big.dat", ProfileFile::kMaxFileBytes + 1);
    ProfileError error = ProfileError::None;
    EXPECT_FALSE(ProfileFile::load(path, &error));
    EXPECT_EQ(error, ProfileError::TooLarge);
    EXPECT_EQ(ProfileFile::loadOrEmpty(path, &error).bytes(), "");
    EXPECT_EQ(error, ProfileError::TooLarge);
}

TEST(ProfileBounds, LoadReportsMissingAndUnreadable) {
    TempDir dir;
    ProfileError error = ProfileError::None;
    EXPECT_FALSE(ProfileFile::load(dir.file("none.dat"), &error));
    EXPECT_EQ(error, ProfileError::Missing);
    EXPECT_FALSE(ProfileFile::load(dir.path.string(), &error));
    EXPECT_EQ(error, ProfileError::Unreadable);
    const std::string path = dir.write("ok.dat", "[A]\nk=v\n");
    ASSERT_TRUE(ProfileFile::load(path, &error));
    EXPECT_EQ(error, ProfileError::None);
    EXPECT_EQ(ProfileFile::load(path)->readString("a", "K"), "v");
}

TEST(ProfileBounds, AnAbsentFileCanLoadEmpty) {
    TempDir dir;
    ProfileError error = ProfileError::Missing;
    const auto absent = ProfileFile::loadAbsentAsEmpty(dir.file("none.dat"), &error);
    ASSERT_TRUE(absent);
    EXPECT_EQ(absent->bytes(), "");
    EXPECT_EQ(error, ProfileError::None);
    EXPECT_FALSE(ProfileFile::loadAbsentAsEmpty(dir.path.string(), &error));
    EXPECT_EQ(error, ProfileError::Unreadable);
    const std::string path = dir.write("ok.dat", "[A]\nk=v\n");
    EXPECT_EQ(ProfileFile::loadAbsentAsEmpty(path)->readString("A", "k"), "v");
}

TEST(ProfileBounds, WriteThatWouldPassTheLimitIsRefused) {
    const std::string before = "[A]\n" + std::string(ProfileFile::kMaxFileBytes - 10, ';');
    ProfileFile file = *ProfileFile::fromBytes(before);
    EXPECT_EQ(file.writeString("A", "k", "0123456789"), ProfileError::TooLarge);
    EXPECT_EQ(file.bytes(), before);
}

} // namespace
