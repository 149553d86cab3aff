#include "child_process.h"
#include "core/common/file_io.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

using tonalink::test::asUnprivilegedUser;
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

TEST(FileIo, AtomicWriteGoesThroughLinksAndIntoAFolderThatTakesNoNewFile) {
    struct Case {
        const char* name;
        const char* written; // real/ holds call.dat; link and dangling point into it
        bool lockedFolder;   // real/ takes no new file, its files may be written
        const char* target;
    };
    for (const Case& c : {Case{"Link", "link", false, "real/call.dat"},
                          Case{"LinkIntoLockedFolder", "link", true, "real/call.dat"},
                          Case{"LockedFolder", "real/call.dat", true, "real/call.dat"},
                          Case{"DanglingLink", "dangling", false, "real/new.dat"}}) {
        TempDir dir;
        fs::create_directory(dir.path / "real");
        dir.write("real/call.dat", "old");
        fs::create_symlink("real/call.dat", dir.path / "link");
        fs::create_symlink("real/new.dat", dir.path / "dangling");
        fs::permissions(dir.path, fs::perms::all);
        fs::permissions(dir.path / "real/call.dat", fs::perms(0666));
        fs::permissions(dir.path / "real", fs::perms(c.lockedFolder ? 0555 : 0777));
        EXPECT_TRUE(asUnprivilegedUser([&] {
            return writeFileAtomically((dir.path / c.written).string(), "new");
        })) << c.name;
        fs::permissions(dir.path / "real", fs::perms::all);
        EXPECT_EQ(dir.read(c.target), "new") << c.name;
        EXPECT_EQ(dir.read("link"), dir.read("real/call.dat")) << c.name;
        EXPECT_TRUE(fs::is_symlink(dir.path / "link")) << c.name;
    }
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

TEST(FileIo, SpecialFilesAreRefusedAtOnce) {
    TempDir dir;
    const std::string fifo = (dir.path / "fifo").string(), dev = (dir.path / "dev").string();
    // Through a link, so that a writer that regressed replaces the link, not /dev/null.
    ASSERT_TRUE(::mkfifo(fifo.c_str(), 0600) == 0 && ::symlink("/dev/null", dev.c_str()) == 0);
    const std::pair<const char*, std::function<bool(const std::string&, std::string*)>> calls[] = {
        {"BoundedRead", [](auto& path, auto* error) { return !!readFileBounded(path, 99, error); }},
        {"AtomicWrite",
         [](auto& path, auto* error) { return writeFileAtomically(path, "", error); }},
        {"Append", [](auto& path, auto* error) { return appendToFile(path, "x", error); }}};
    for (const auto& [name, call] : calls) {
        auto outcome = [&](const std::string& path) {
            std::string error;
            return (call(path, &error) ? "accepted" : error) + "\n";
        };
        // A child, so that a call that blocks dies on the alarm instead of hanging the run.
        EXPECT_EXIT((::alarm(5), std::cerr << outcome(fifo) << outcome(dev), std::exit(0)),
                    testing::ExitedWithCode(0),
                    testing::Eq(fifo + ": not a regular file\n" + dev + ": not a regular file\n"))
            << name;
    }
}
