#include "core/encoder/encoder.h"
#include "sample_pager_types.h"

#include <gtest/gtest.h>
#include <random>

namespace tonalink {
namespace {

using testing::entries;
using testing::inputFor;

void expectPartStartsCoverTheText(const Encoder& encoder, std::size_t textLength) {
    ASSERT_EQ(encoder.PartStarts.size(), encoder.MsgParts.size() + 1);
    EXPECT_EQ(encoder.PartStarts.front(), 0);
    EXPECT_EQ(encoder.PartStarts.back(), static_cast<int32_t>(textLength));
    for (std::size_t k = 1; k < encoder.PartStarts.size(); ++k) {
        EXPECT_LE(encoder.PartStarts[k - 1], encoder.PartStarts[k]);
    }
}

// Direct mode: parts hold exactly the dialable characters, each part within the
// limit, and every closed part full (it closed because one more would not fit).
TEST(EncodeDirectProperties, PartsAreFullAndWithinTheLimit) {
    std::mt19937 rng(4711);
    const std::string alphabet = "0123456789*#,*#a ";
    for (int round = 0; round < 3000; ++round) {
        PagerType type;
        type.MsgJoinSw = static_cast<int32_t>(rng() % 2);
        type.MsgCount = static_cast<int32_t>(1 + rng() % 12) + (type.MsgJoinSw == 1 ? 2 : 0);
        type.AsCount = static_cast<int32_t>(rng() % 2);
        const int32_t limit = type.MsgCount - (type.MsgJoinSw == 1 ? 2 : 0);
        std::string text(rng() % 60, ' ');
        for (char& c : text) {
            c = alphabet[rng() % alphabet.size()];
        }
        std::string valid;
        for (char c : text) {
            if (std::string_view("0123456789*#,").find(c) != std::string_view::npos) {
                valid += c;
            }
        }

        Encoder encoder;
        const int32_t result = encoder.Encode(inputFor(type, text, 3));
        std::string joined;
        for (std::size_t k = 0; k < encoder.MsgParts.size(); ++k) {
            const std::string& part = encoder.MsgParts[k];
            joined += part;
            const int32_t counted = CountDigits(part, type.AsCount);
            ASSERT_LE(counted, limit) << text;
            if (k + 1 < encoder.MsgParts.size()) {
                ASSERT_EQ(counted, limit) << "part " << k << " of " << text;
                ASSERT_EQ(text[static_cast<std::size_t>(encoder.PartStarts[k + 1])],
                          encoder.MsgParts[k + 1].front());
            }
        }
        ASSERT_EQ(joined, valid);
        if (valid.size() == text.size()) {
            ASSERT_EQ(result, CountDigits(valid, type.AsCount));
            expectPartStartsCoverTheText(encoder, text.size());
        } else {
            ASSERT_EQ(result, -1);
        }
    }
}

// Table modes over random small types: the outputs stay consistent with each
// other whatever the data.
TEST(EncodeTableProperties, OutputsAreConsistent) {
    std::mt19937 rng(99);
    const std::string textBytes = "AB12/<>*#";
    const std::string codeBytes = "12*#,";
    auto randomString = [&](const std::string& from, std::size_t maxLength) {
        std::string s(rng() % (maxLength + 1), ' ');
        for (char& c : s) {
            c = from[rng() % from.size()];
        }
        return s;
    };
    // Random entries first; then, for half the tables, one entry per byte so
    // that most messages encode and the success path gets exercised.
    auto randomTable = [&](std::size_t maxText) {
        std::vector<TableEntry> table;
        for (std::size_t i = rng() % 6; i > 0; --i) {
            table.push_back(TableEntry::parse("[" + randomString(codeBytes, 3) + "]" +
                                              randomString(textBytes, maxText)));
        }
        if (rng() % 2 == 0) {
            for (char c : textBytes) {
                table.push_back(TableEntry::parse("[" + randomString(codeBytes, 3) + "]" + c));
            }
        }
        return table;
    };
    Encoder encoder;
    int successes = 0;
    for (int round = 0; round < 3000; ++round) {
        PagerType type;
        type.MsgCount = static_cast<int32_t>(rng() % 14);
        type.MsgJoinSw = static_cast<int32_t>(rng() % 2);
        type.FormContSw = static_cast<int32_t>(rng() % 2);
        type.AsCount = static_cast<int32_t>(rng() % 2);
        type.FreeToSuzi = rng() % 4 == 0 ? "" : "/";
        type.FreeStartCmd = randomString(codeBytes, 3);
        type.FreeEndCmd = randomString(codeBytes, 2);
        type.FormStartCmd = randomString(codeBytes, 2);
        type.FormContStartCmd = randomString(codeBytes, 2);
        type.MsgJoinFrontCmd = randomString(codeBytes, 2);
        type.MsgJoinAfterCmd = randomString(codeBytes, 2);
        type.FormStyles = randomTable(3);
        type.FreeWords = randomTable(2);
        type.NumberWords = randomTable(1);
        const std::string text = randomString(textBytes, 20);
        const std::string custom = randomString(codeBytes, 3);
        EncoderInput input = inputFor(type, text, static_cast<int32_t>(rng() % 3));
        input.CustomCommand1 = custom;

        const std::string previous = encoder.EncodedMsg;
        const int32_t result = encoder.Encode(input);
        ASSERT_EQ(encoder.LastPart + 1, static_cast<int32_t>(encoder.MsgParts.size()));
        if (result < 0) {
            ASSERT_EQ(result, -1);
            ASSERT_EQ(encoder.EncodedMsg, previous);
            ASSERT_EQ(encoder.PartStarts.size(), encoder.MsgParts.size());
            continue;
        }
        ++successes;
        std::string joined;
        for (const std::string& part : encoder.MsgParts) {
            joined += part;
        }
        ASSERT_EQ(encoder.EncodedMsg, joined);
        ASSERT_EQ(result, CountDigits(joined, type.AsCount));
        expectPartStartsCoverTheText(encoder, text.size());
    }
    EXPECT_GT(successes, 600); // the random types must exercise the success path
}

} // namespace
} // namespace tonalink
