#include "core/pagerdata/pager_type.h"

#include <gtest/gtest.h>

using tonalink::TableEntry;

TEST(TableEntry, SplitsAtTheFirstClosingBracket) {
    auto e = TableEntry::parse("[11]ア");
    EXPECT_EQ(e.code, "11");
    EXPECT_EQ(e.text, "ア");
    EXPECT_TRUE(e.matchable);
    auto nested = TableEntry::parse("[1]]");
    EXPECT_EQ(nested.code, "1");
    EXPECT_EQ(nested.text, "]");
    auto emptyCode = TableEntry::parse("[]x");
    EXPECT_EQ(emptyCode.code, "");
    EXPECT_TRUE(emptyCode.matchable);
}

TEST(TableEntry, MalformedEntriesNeverMatch) {
    EXPECT_FALSE(TableEntry::parse("[11").matchable);
    EXPECT_FALSE(TableEntry::parse("[11]").matchable);
    EXPECT_FALSE(TableEntry::parse("").matchable);
    EXPECT_EQ(TableEntry::parse("[11").raw, "[11");
}
