#include "core/encoder/digit_count.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tonalink {
namespace {

struct CountCase {
    const char* name;
    const char* codes;
    int32_t asCount;
    int32_t expected;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << c.name;
}

class CountDigitsTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountDigitsTest, CountsByTheAsteriskRule) {
    EXPECT_EQ(CountDigits(GetParam().codes, GetParam().asCount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CountDigitsTest,
    ::testing::Values(
        CountCase{"Empty", "", 0, 0}, CountCase{"Digits", "0123456789", 0, 10},
        CountCase{"PausesCount", "1,,2", 0, 4}, CountCase{"HashNeverCounts", "1#2##", 0, 2},
        CountCase{"HashNeverCountsWithAsCount", "1#2##", 1, 2},
        CountCase{"LoneAsterisk", "*", 0, 0}, CountCase{"TwoAsterisks", "**", 0, 1},
        CountCase{"ThreeAsterisks", "***", 0, 2}, CountCase{"SeparateRuns", "*1*", 0, 1},
        CountCase{"HashSplitsARun", "**#**", 0, 2}, CountCase{"AsCountOneLone", "*", 1, 1},
        CountCase{"AsCountOneTwo", "**", 1, 2}, CountCase{"AsCountOneThree", "***", 1, 3},
        CountCase{"AnyOtherAsCount", "**", 7, 2}, CountCase{"NegativeAsCount", "***", -1, 3},
        CountCase{"FreeStartCommand", "*2*2", 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// The running total must agree with a whole recount however the part was built,
// above all where a run of asterisks straddles two pieces.
TEST(RunningDigitCount, EqualsWholeCountAcrossPieces) {
    RunningDigitCount running;
    running.reset(0);
    running.append("1*");
    running.append("*2");
    EXPECT_EQ(running.total(), CountDigits("1**2", 0));
    running.append("*");
    running.append("#");
    running.append("*");
    EXPECT_EQ(running.total(), CountDigits("1**2*#*", 0));
    running.reset();
    running.append("*");
    EXPECT_EQ(running.total(), 0);
}

TEST(RunningDigitCount, MatchesRecountOnRandomPieces) {
    std::mt19937 rng(20240611);
    const std::string alphabet = "**##1,";
    for (int round = 0; round < 2000; ++round) {
        const int32_t asCount = static_cast<int32_t>(rng() % 3) - 1;
        RunningDigitCount running;
        running.reset(asCount);
        std::string whole;
        const int pieces = static_cast<int>(rng() % 8);
        for (int p = 0; p < pieces; ++p) {
            std::string piece(rng() % 4, ' ');
            for (char& c : piece) {
                c = alphabet[rng() % alphabet.size()];
            }
            running.append(piece);
            whole += piece;
            ASSERT_EQ(running.total(), CountDigits(whole, asCount)) << whole << " as " << asCount;
        }
    }
}

} // namespace
} // namespace tonalink
