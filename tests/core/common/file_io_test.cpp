#include "child_process.h"
#include "core/common/file_io.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using tonalink::test::TempDir;

using namespace tonalink;
namespace fs = std::filesystem;

TEST(FileIo, AtomicWriteReplacesAndKeepsPermissions) {
    TempDir dir;
    std::string file = (dir.path / "call.dat").string();
    ASSERT_TRUE(writeFileAtomically(file, "one"));
    ::chmod(file.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(file, "two"));
    EXPECT_EQ(readFileBounded(file, 100), "two");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(FileIo, AtomicWriteIntoAMissingFolderFailsWithAReason) {
    std::string error;
    EXPECT_FALSE(writeFileAtomically("/nonexistent-dir/x", "a", &error));
    EXPECT_FALSE(error.empty());
}

TEST(FileIo, BoundedReadRefusesLargeFilesAndDevices) {
    TempDir dir;
    std::string file = (dir.path / "f").string();
    ASSERT_TRUE(appendToFile(file, "12345"));
    ASSERT_TRUE(appendToFile(file, "6"));
    EXPECT_EQ(readFileBounded(file, 6), "123456");
    EXPECT_FALSE(readFileBounded(file, 5));
    EXPECT_FALSE(readFileBounded("/dev/zero", 1 << 20));
    EXPECT_FALSE(readFileBounded((dir.path / "missing").string(), 10));
}

TEST(FileIo, FindsAFileWhateverTheCaseOfItsName) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically((dir.path / "MAddress.Dat").string(), ""));
    auto found = findFileIgnoringCase(dir.path.string(), "maddress.dat");
    ASSERT_TRUE(found);
    EXPECT_EQ(fs::path(*found).filename(), "MAddress.Dat");
    EXPECT_TRUE(findFileIgnoringCase(dir.path.string(), "MADDRESS.DAT"));
    EXPECT_FALSE(findFileIgnoringCase(dir.path.string(), "call.dat"));
}
