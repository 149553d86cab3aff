#include "core/common/raw_pty.h"
#include "fd_read.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using tonalink::test::readFor;

bool closeOnExec(int fd) {
    return (::fcntl(fd, F_GETFD) & FD_CLOEXEC) != 0;
}

TEST(RawPty, PassesBytesUnchangedAndEchoesNothing) {
    std::string error;
    std::optional<tonalink::RawPty> pty = tonalink::openRawPty(&error);
    ASSERT_TRUE(pty) << error;
    EXPECT_EQ(pty->slavePath.rfind("/dev/pts/", 0), 0u) << pty->slavePath;
    EXPECT_TRUE(closeOnExec(pty->master));
    EXPECT_TRUE(closeOnExec(pty->slave));

    const std::string line = "ATDT0\r\n\x83\x41\x03";
    ASSERT_EQ(::write(pty->slave, line.data(), line.size()), ssize_t(line.size()));
    EXPECT_EQ(readFor(pty->master, line.size()), line);

    ASSERT_EQ(::write(pty->master, "OK\n", 3), 3);
    EXPECT_EQ(readFor(pty->slave, 3), "OK\n");
    // No echo of what the slave received, and the master never blocks.
    char c;
    EXPECT_EQ(::read(pty->master, &c, 1), -1);
    EXPECT_EQ(errno, EAGAIN);

    ::close(pty->slave);
    ::close(pty->master);
}

} // namespace
