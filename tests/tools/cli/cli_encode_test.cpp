// tonalink-cli encode: the encoder and the send commands as one JSON object.
#include "child_process.h"

#include <gtest/gtest.h>

using namespace tonalink::test;

namespace {

const std::string kWorkedExample = std::string(TONALINK_TEST_DATA_DIR) + "/encoder/worked_example";
const std::string kSample = TONALINK_SAMPLE_DATA_DIR;

RunResult encode(const std::string& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {TONALINK_CLI_PATH, "--dir", dir, "encode"});
    return run(std::move(args), {{"XDG_CONFIG_HOME", "/nonexistent"}});
}

} // namespace

TEST(CliEncode, WorkedExampleSplitsByteForByte) {
    RunResult r = encode(kWorkedExample, {"--type", "説明用", "AB/12OK"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "{\"count\":11,\"msg_count\":10,\"display\":\"11/10\",\"last_part\":1,"
                     "\"parts\":[\"71112812\",\"901\"],\"part_starts\":[0,5,7],"
                     "\"encoded\":\"71112812901\",\"send_commands\":[\"71112812#\",\"901#\"]}\n");
}

TEST(CliEncode, PasswordAndCentreWrapEveryPart) {
    RunResult r = encode(kSample, {"--type", "センター経由", "--call-number", "0201234",
                                   "--password", "99", "アイ"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"send_commands\":[\"0201234#,,,99,*2*21112##\"]"), std::string::npos)
        << r.out;
}

TEST(CliEncode, RealFreeWordTypeMatchesThePublishedCodes) {
    RunResult r = encode(kSample, {"--type", "フリーワード標準", "おはよう"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"count\":10,\"msg_count\":30,\"display\":\"10/30\",\"last_part\":0,"
                     "\"parts\":[\"*2*215618513\"],\"part_starts\":[0,8],"
                     "\"encoded\":\"*2*215618513\",\"send_commands\":[\"*2*215618513##\"]}\n");
}

TEST(CliEncode, EmptyTextShowsZeroOverTheLimit) {
    RunResult r = encode(kWorkedExample, {"--type", "説明用", ""});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"count\":0,\"msg_count\":10,\"display\":\"0/10\""), std::string::npos);
    EXPECT_NE(r.out.find("\"part_starts\":[0,0]"), std::string::npos);
}

TEST(CliEncode, AnUnsendableMessageIsAnErrorWithItsPartialParts) {
    RunResult r = encode(kWorkedExample, {"--type", "説明用", "AZ"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "{\"count\":-1,\"msg_count\":10,\"display\":\"error\",\"last_part\":0,"
                     "\"parts\":[\"711\"],\"part_starts\":[0],\"encoded\":\"\","
                     "\"send_commands\":[]}\n");
    // A character code page 932 cannot hold is unsendable in the same way.
    RunResult emoji = encode(kWorkedExample, {"--type", "説明用", "A\xF0\x9F\x98\x80"});
    EXPECT_EQ(emoji.exitCode, 1);
    EXPECT_NE(emoji.out.find("\"display\":\"error\",\"last_part\":0,\"parts\":[\"711\"]"),
              std::string::npos);
}

TEST(CliEncode, OptionsEndAtDoubleDashAndEmptyCustomCommandsCount) {
    // After "--" a text may begin with '-'; the worked type cannot send '-'.
    RunResult dash = encode(kWorkedExample, {"--type", "説明用", "--", "-A"});
    EXPECT_EQ(dash.exitCode, 1);
    EXPECT_NE(dash.out.find("\"count\":-1"), std::string::npos);
    // Direct mode keeps only dialable characters.
    RunResult direct = encode(kWorkedExample, {"--type", "説明用", "--mode", "3", "--", "-12"});
    EXPECT_EQ(direct.exitCode, 1);
    EXPECT_NE(direct.out.find("\"parts\":[\"12\"]"), std::string::npos);
    // <1> with a given command is a custom command; given empty, it is not one.
    RunResult custom = encode(kWorkedExample, {"--type", "説明用", "--custom1", "55", "<1>"});
    EXPECT_EQ(custom.exitCode, 0);
    EXPECT_NE(custom.out.find("\"parts\":[\"55\"]"), std::string::npos);
    RunResult empty = encode(kWorkedExample, {"--type", "説明用", "--custom1", "", "<1>"});
    EXPECT_EQ(empty.exitCode, 1);
}

TEST(CliEncode, UnknownTypeOrMissingFileIsRefused) {
    EXPECT_EQ(encode(kWorkedExample, {"--type", "無い", "A"}).exitCode, 2);
    TempDir empty;
    EXPECT_EQ(encode(empty.path.string(), {"--type", "説明用", "A"}).exitCode, 3);
}
