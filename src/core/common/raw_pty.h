#pragma once

#include <optional>
#include <string>

namespace tonalink {

// A pseudo-terminal in raw mode, so nothing echoes or translates line ends: the
// stand-in for a modem's serial device. The master side never blocks, and
// neither descriptor is inherited by programs started later. The caller closes
// both.
struct RawPty {
    int master = -1;
    int slave = -1;
    std::string slavePath;
};

// Nothing when a step fails; `error` then names the step and the reason.
std::optional<RawPty> openRawPty(std::string* error = nullptr);

} // namespace tonalink
