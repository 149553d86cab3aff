#include "core/app/broadcast_groups.h"
#include "core/app/reserve_time.h"
#include "core/pagerdata/phone_book.h"
#include "temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tonalink::test {
namespace {

using Counts = std::array<int32_t, kBroadcastGroups>;
using Names = std::vector<std::string>;

TEST(BroadcastGroups, CountsAndMembersInFileOrder) {
    TempDir dir;
    std::ofstream(dir.path / "maddress.dat", std::ios::binary)
        << "[a]\r\nMsgGroup=1\r\n[zero]\r\nMsgGroup=0\r\n[b]\r\nMsgGroup=3\r\n"
           "[five]\r\nMsgGroup=5\r\n[none]\r\nPbCallNo=1\r\n[c]\r\nMsgGroup=1\r\n"
           "[text]\r\nMsgGroup=x\r\n[neg]\r\nMsgGroup=-1\r\n";
    PhoneBook book(dir.path.string());
    ASSERT_EQ(book.ListPhoneBook(), 0);
    EXPECT_EQ(countGroupMembers(book), (Counts{2, 0, 1, 0}));
    const Names expected[] = {{"a", "c"}, {}, {"b"}, {}};
    for (int32_t group = 1; group <= kBroadcastGroups; ++group)
        EXPECT_EQ(groupMembers(book, group), expected[group - 1]) << group;
    EXPECT_EQ(groupMembers(book, 0), Names());
    EXPECT_EQ(groupMembers(book, 5), Names());

    // A phone book that went missing counts no one.
    std::filesystem::remove(dir.path / "maddress.dat");
    EXPECT_EQ(countGroupMembers(book), (Counts{0, 0, 0, 0}));
}

TEST(ReserveTime, TextParsingAndTheMinuteReached) {
    EXPECT_EQ(reserveTimeText({9, 5}), " 9: 5");
    EXPECT_EQ(reserveTimeText({0, 0}), " 0: 0");
    EXPECT_EQ(reserveTimeText({23, 59}), "23:59");

    const struct {
        const char* text;
        bool ok;
        ReserveTime time;
    } cases[] = {
        {"9:05", true, {9, 5}}, {"00:00", true, {0, 0}}, {"23:59", true, {23, 59}},
        {"24:00", false, {}},   {"12:60", false, {}},    {"123:4", false, {}},
        {"12:345", false, {}},  {"12", false, {}},       {":30", false, {}},
        {"12:", false, {}},     {" 1:30", false, {}},    {"-1:30", false, {}},
    };
    for (const auto& c : cases) {
        ReserveTime got{7, 7};
        EXPECT_EQ(parseReserveTime(c.text, got), c.ok) << c.text;
        EXPECT_EQ(got, c.ok ? c.time : (ReserveTime{7, 7})) << c.text;
    }

    std::tm at{};
    at.tm_hour = 9, at.tm_min = 5, at.tm_sec = 59;
    EXPECT_TRUE((ReserveTime{9, 5}).reachedAt(at));
    EXPECT_FALSE((ReserveTime{9, 4}).reachedAt(at)); // passed: tomorrow
    EXPECT_FALSE((ReserveTime{10, 5}).reachedAt(at));
}

} // namespace
} // namespace tonalink::test
