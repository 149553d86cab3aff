#include "json_log.h"

#include <gtest/gtest.h>

using namespace tonalink::modemsim;

TEST(JsonLog, WritesOneRecordPerLine) {
    EXPECT_EQ(jsonLogRecord(1712345678901, "ATDT0,123;"),
              "{\"t_ms\":1712345678901,\"line\":\"ATDT0,123;\"}\n");
}

TEST(JsonLog, EscapesQuotesControlsAndNonAsciiBytes) {
    // "\x82\xa0" is the CP932 hiragana A, from a user's extra command.
    EXPECT_EQ(jsonLogRecord(0, std::string("A\"\\\t\x82\xa0\x7f\0", 8)),
              "{\"t_ms\":0,\"line\":\"A\\\"\\\\\\u0009\\u0082\\u00a0\\u007f\\u0000\"}\n");
}
