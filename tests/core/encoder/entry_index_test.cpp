#include "core/encoder/entry_index.h"
#include "cp932_text.h"
#include "sample_pager_types.h"

#include <gtest/gtest.h>
#include <random>

namespace tonalink {
namespace {

using test::cp932Bytes;
using testing::entries;

// The plain search the index must agree with.
std::size_t linearPrefixOf(const std::vector<TableEntry>& table, std::string_view rest) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].matchable && rest.starts_with(table[i].text)) {
            return i;
        }
    }
    return EntryIndex::npos;
}

std::size_t linearExactly(const std::vector<TableEntry>& table, char ch) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].matchable && table[i].text == std::string(1, ch)) {
            return i;
        }
    }
    return EntryIndex::npos;
}

TEST(EntryIndex, FirstEntryInListOrderWinsNotTheLongest) {
    // A half-width kana before the kana with its voiced mark.
    std::vector<TableEntry> table = entries({{"27", "ｶ"}, {"80", "ｶﾞ"}, {"67", "ﾞ"}});
    EntryIndex index;
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf(cp932Bytes("ｶﾞ")), 0u);

    std::vector<TableEntry> reversed = entries({{"80", "ｶﾞ"}, {"27", "ｶ"}, {"67", "ﾞ"}});
    index.refresh(reversed);
    EXPECT_EQ(index.firstPrefixOf(cp932Bytes("ｶﾞ")), 0u);
    EXPECT_EQ(index.firstPrefixOf(cp932Bytes("ｶｶ")), 1u);
}

TEST(EntryIndex, MalformedEntriesNeverMatchAndEmptyCodesDo) {
    std::vector<TableEntry> table = {TableEntry::parse("[11"), TableEntry::parse("[12]"),
                                     TableEntry::parse("[]A"), TableEntry::parse("[13]B")};
    EntryIndex index;
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf("A"), 2u);
    EXPECT_EQ(index.firstPrefixOf("B"), 3u);
    EXPECT_EQ(index.firstPrefixOf("["), EntryIndex::npos);
    EXPECT_EQ(index.firstPrefixOf(""), EntryIndex::npos);
}

TEST(EntryIndex, LongTextNeedsTheWholeTextPresent) {
    std::vector<TableEntry> table = entries({{"1", "OKAY"}, {"2", "OK"}});
    EntryIndex index;
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf("OKAY!"), 0u);
    EXPECT_EQ(index.firstPrefixOf("OKA"), 1u);
    EXPECT_EQ(index.firstPrefixOf("O"), EntryIndex::npos);
}

// The application reloads its one pager-type record in place; the index must
// notice even when the vector object is the same.
TEST(EntryIndex, NoticesATableChangedInPlace) {
    std::vector<TableEntry> table = entries({{"1", "A"}, {"2", "BC"}});
    EntryIndex index;
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf("BC"), 1u);

    table = entries({{"3", "BC"}, {"4", "A"}});
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf("BC"), 0u);
    EXPECT_EQ(index.firstPrefixOf("A"), 1u);

    table[1] = TableEntry::parse("[4]");
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf("A"), EntryIndex::npos);

    table.clear();
    index.refresh(table);
    EXPECT_EQ(index.firstPrefixOf("BC"), EntryIndex::npos);
}

TEST(EntryIndex, AgreesWithLinearSearchOnRandomTables) {
    std::mt19937 rng(7321);
    // Few distinct bytes, so texts share first and second bytes often.
    const std::string bytes = "ab\x82\xA0\xDE";
    auto randomText = [&](std::size_t maxLength) {
        std::string text(rng() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = bytes[rng() % bytes.size()];
        }
        return text;
    };
    EntryIndex index; // reused across tables, as the encoder does
    for (int round = 0; round < 300; ++round) {
        std::vector<TableEntry> table;
        const std::size_t size = rng() % 40;
        for (std::size_t i = 0; i < size; ++i) {
            std::string raw = rng() % 10 == 0 ? "[" + randomText(2) : "[1]" + randomText(4);
            table.push_back(TableEntry::parse(raw));
        }
        index.refresh(table);
        const std::string message = randomText(30);
        for (std::size_t pos = 0; pos <= message.size(); ++pos) {
            std::string_view rest = std::string_view(message).substr(pos);
            ASSERT_EQ(index.firstPrefixOf(rest), linearPrefixOf(table, rest))
                << "round " << round << " pos " << pos;
            if (!rest.empty()) {
                ASSERT_EQ(index.firstExactly(rest[0]), linearExactly(table, rest[0]));
            }
        }
    }
}

} // namespace
} // namespace tonalink
