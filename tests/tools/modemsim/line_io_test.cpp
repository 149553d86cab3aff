#include "json_log.h"
#include "line_splitter.h"

#include <gtest/gtest.h>

using namespace tonalink::modemsim;
using Lines = std::vector<std::string>;

TEST(LineSplitter, EndsLinesAtCrOrLfAndSkipsEmptyOnes) {
    LineSplitter splitter;
    EXPECT_EQ(splitter.feed("ATZ0\r\nATDT1"), Lines{"ATZ0"});
    EXPECT_EQ(splitter.feed("23;\r\n\r\nATH\rATE1\n"), (Lines{"ATDT123;", "ATH", "ATE1"}));
    EXPECT_EQ(splitter.feed(""), Lines{});
}

TEST(LineSplitter, DeliversAnOverlongLineInBoundedPieces) {
    LineSplitter splitter(4);
    EXPECT_EQ(splitter.feed("ATDT12345\r\n"), (Lines{"ATDT", "1234", "5"}));
}

TEST(JsonLog, WritesOneRecordPerLine) {
    EXPECT_EQ(jsonLogRecord(1712345678901, "ATDT0,123;"),
              "{\"t_ms\":1712345678901,\"line\":\"ATDT0,123;\"}\n");
}

TEST(JsonLog, EscapesQuotesControlsAndNonAsciiBytes) {
    // "\x82\xa0" is the CP932 hiragana A, from a user's extra command.
    EXPECT_EQ(jsonLogRecord(0, std::string("A\"\\\t\x82\xa0\x7f\0", 8)),
              "{\"t_ms\":0,\"line\":\"A\\\"\\\\\\u0009\\u0082\\u00a0\\u007f\\u0000\"}\n");
}
