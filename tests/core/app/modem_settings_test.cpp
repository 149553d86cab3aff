#include "core/app/modem_settings.h"
#include "core/app/program_state.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace tonalink {
namespace {

struct FieldCase {
    const char* text;
    IntRange range;
    IntegerFieldError error;
    int32_t value;
};

TEST(IntegerFieldTest, RefusesWhatTheFrameworkRefuses) {
    using enum IntegerFieldError;
    const IntRange r = kReDialTimeRange, p = kPagerTimeRange;
    const FieldCase cases[] = {
        {"1", r, OutOfRange, 0},    {"121", r, OutOfRange, 0},
        {"2", r, None, 2},          {"120", r, None, 120},
        {"1", p, None, 1},          {"0", p, OutOfRange, 0},
        {" +60\t", r, None, 60},    {"-5", p, OutOfRange, 0},
        {"", p, NotAnInteger, 0},   {"99999999999999", p, OutOfRange, 0},
        {"-", p, NotAnInteger, 0},  {"6 0", p, NotAnInteger, 0},
        {"5s", p, NotAnInteger, 0},
    };
    for (const FieldCase& c : cases) {
        const IntegerField field = parseIntegerField(c.text, c.range);
        EXPECT_EQ(std::pair(field.error, field.value), std::pair(c.error, c.value)) << c.text;
    }
}

class ApplyModemValuesTest : public testing::Test {
protected:
    void SetUp() override {
        dir.write("call.dat", "[Alpha]\r\nWaitTime=5\r\nCutTime=6\r\n");
        ASSERT_EQ(state.pagerTypes.ListPagerTypes(false), 0);
    }
    int apply(const ModemValues& values) {
        return applyModemValues(state, values,
                                [this] { reopenedWith.push_back(state.settings.CommPort); });
    }

    test::TempDir dir;
    ProgramState state{dir.path.string(), dir.path.string()};
    std::vector<int32_t> reopenedWith;
};

TEST_F(ApplyModemValuesTest, TakesEveryValueReopensAChangedPortAndWritesTheTimesOrSaysWhyNot) {
    state.pagerTypes.LoadPagerType("Alpha");
    const ModemValues values{"AT&F", 1, 1, "0,", 1, 45, 2, 1, "Alpha", 30, 40};
    EXPECT_EQ(apply(values), 0);
    EXPECT_EQ(modemValues(state), values);
    EXPECT_EQ(reopenedWith, std::vector<int32_t>{2});
    EXPECT_EQ(dir.read("call.dat"), "[Alpha]\r\nWaitTime=30\r\nCutTime=40\r\n");

    // A refused write is told; memory has the new times all the same.
    state.pagerTypes.CallDatPath = dir.path.string(); // a folder cannot be rewritten
    EXPECT_EQ(apply({"AT&F", 1, 1, "0,", 1, 45, 2, 1, "Alpha", 31, 40}), -1);
    EXPECT_EQ(state.pagerTypes.PagerType.WaitTime, 31);
}

} // namespace
} // namespace tonalink
