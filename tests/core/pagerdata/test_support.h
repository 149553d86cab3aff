#pragma once

#include "cp932_text.h"
#include "temp_dir.h"

#include <string>
#include <string_view>

namespace tonalink::test {

inline std::string fixture(std::string_view name) {
    return std::string(PAGERDATA_FIXTURE_DIR) + "/" + std::string(name);
}

} // namespace tonalink::test
