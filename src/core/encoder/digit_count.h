#pragma once

#include <cstdint>
#include <string_view>

namespace tonalink {

// Counted length of a code string: '#' never counts; with asCount 0 a run of k
// asterisks counts k - 1, otherwise every '*' counts; everything else counts.
int32_t CountDigits(std::string_view codes, int32_t asCount);

// The counted length of a part that only ever grows at its end, kept up to date
// piece by piece so the room test does not recount the whole part. Equal to
// CountDigits of the pieces run together, including '**' pairs that straddle
// two pieces.
class RunningDigitCount {
public:
    void reset(int32_t asCount) {
        asCount_ = asCount;
        reset();
    }
    void reset() {
        total_ = 0;
        endsWithAsterisk_ = false;
    }
    void append(std::string_view piece);
    int64_t total() const { return total_; }

private:
    int32_t asCount_ = 0;
    int64_t total_ = 0;
    bool endsWithAsterisk_ = false;
};

} // namespace tonalink
