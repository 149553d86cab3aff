// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <string>
#include <system_error>

namespace tonalink {

// What errno says, in words; unlike strerror, safe from any thread.
inline std::string errnoText(int error = errno) {
    return std::generic_category().message(error);
}

} // namespace tonalink
