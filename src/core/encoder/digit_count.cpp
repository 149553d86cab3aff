#include "core/encoder/digit_count.h"

namespace tonalink {

int32_t CountDigits(std::string_view codes, int32_t asCount) {
    RunningDigitCount count;
    count.reset(asCount);
    count.append(codes);
    return static_cast<int32_t>(count.total());
}

void RunningDigitCount::append(std::string_view piece) {
    for (char c : piece) {
        if (c == '#') {
            endsWithAsterisk_ = false;
            continue;
        }
        if (c == '*' && asCount_ == 0) {
            // Only the second and later asterisks of a run count.
            if (endsWithAsterisk_) {
                ++total_;
            }
            endsWithAsterisk_ = true;
            continue;
        }
        ++total_;
        endsWithAsterisk_ = c == '*';
    }
}

} // namespace tonalink
