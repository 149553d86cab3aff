#include "core/common/raw_pty.h"

#include "core/common/errno_text.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace tonalink {

std::optional<RawPty> openRawPty(std::string* error) {
    RawPty pty;
    const char* step = "pseudo-terminal";
    auto fail = [&] {
        if (error)
            *error = std::string(step) + ": " + errnoText();
        const int saved = errno;
        if (pty.slave >= 0)
            ::close(pty.slave);
        if (pty.master >= 0)
            ::close(pty.master);
        errno = saved;
        return std::nullopt;
    };
    pty.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (pty.master < 0 || ::grantpt(pty.master) != 0 || ::unlockpt(pty.master) != 0)
        return fail();
    step = "ptsname";
    char name[256];
    if (::ptsname_r(pty.master, name, sizeof name) != 0)
        return fail();
    pty.slavePath = name;
    step = pty.slavePath.c_str();
    // Raw before a client opens it, so not even its first bytes are translated.
    pty.slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (pty.slave < 0 || ::tcgetattr(pty.slave, &tio) != 0)
        return fail();
    ::cfmakeraw(&tio);
    if (::tcsetattr(pty.slave, TCSANOW, &tio) != 0)
        return fail();
    return pty;
}

} // namespace tonalink
