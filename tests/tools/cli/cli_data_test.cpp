// tonalink-cli on the data files: listing, the phone book and shortcut files.
#include "child_process.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace tonalink::test;

namespace {

const std::string kSample = TONALINK_SAMPLE_DATA_DIR;

RunResult cli(std::vector<std::string> args, const std::string& configHome = "/nonexistent") {
    args.insert(args.begin(), TONALINK_CLI_PATH);
    return run(std::move(args), {{"XDG_CONFIG_HOME", configHome}});
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(CliData, ListsPagerTypesAndCalleesInFileOrder) {
    RunResult types = cli({"--dir", kSample, "types"});
    EXPECT_EQ(types.exitCode, 0);
    EXPECT_EQ(types.out,
              "フリーワード標準\n数字ポケベル\nセンター経由\n連結送信対応\nフリーワード50文字\n");

    RunResult book = cli({"--dir", kSample, "book"});
    EXPECT_EQ(book.exitCode, 0);
    EXPECT_EQ(book.out.substr(0, book.out.find('\n') + 1),
              "山田 太郎\tフリーワード標準\t02041234567\t1\n");
    EXPECT_EQ(std::count(book.out.begin(), book.out.end(), '\n'), 8);
}

TEST(CliData, MissingDataFilesAreFileErrors) {
    TempDir empty;
    EXPECT_EQ(cli({"--dir", empty.path.string(), "types"}).exitCode, 3);
    EXPECT_EQ(cli({"--dir", empty.path.string(), "book"}).exitCode, 3);
}

TEST(CliData, UsageErrorsExitTwo) {
    EXPECT_EQ(cli({}).exitCode, 2);
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli({"--dir"}).exitCode, 2);
    EXPECT_EQ(cli({"--dir", kSample, "types", "extra"}).exitCode, 2);
    EXPECT_EQ(cli({"--dir", kSample, "encode", "--bogus", "x", "y"}).exitCode, 2);
    EXPECT_EQ(cli({"--dir", kSample, "encode", "--type"}).exitCode, 2);
    EXPECT_EQ(cli({"--dir", kSample, "shortcut", "create", "--entry", "山田 太郎", "--mode", "4",
                   "--message", "x", "/tmp/never.tks"})
                  .exitCode,
              2);
}

TEST(CliShortcut, CreatesTheProgramsBytesAndShowsThemBack) {
    TempDir dir;
    std::string file = (dir.path / "msg.tks").string();
    RunResult created = cli({"--dir", kSample, "shortcut", "create", "--entry", "山田 太郎",
                             "--mode", "3", "--message", "おはよう", file});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    // 9-byte name, 8-byte message (CP932), mode A 0, applied 0, mode B 2.
    std::string expected = "\x09\x8E\x52\x93\x63\x20\x91\xBE\x98\x59"
                           "\x08\x82\xA8\x82\xCD\x82\xE6\x82\xA4" +
                           std::string("\0\0\0\0\0\0\0\0\x02\0\0\0", 12);
    EXPECT_EQ(readWholeFile(file), expected);

    RunResult shown = cli({"shortcut", "show", file});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.out, "{\"entry\":\"山田 太郎\",\"message\":\"おはよう\",\"mode_a\":0,"
                         "\"mode_b\":2,\"applied\":0,\"mode\":3}\n");
}

TEST(CliShortcut, RefusesWhatTheProgramWouldRefuse) {
    TempDir dir;
    std::string file = (dir.path / "x.tks").string();
    EXPECT_EQ(cli({"--dir", kSample, "shortcut", "create", "--entry", "誰でもない", "--message",
                   "a", file})
                  .exitCode,
              2);
    EXPECT_EQ(
        cli({"--dir", kSample, "shortcut", "create", "--entry", "山田 太郎", "--message", "", file})
            .exitCode,
        2);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(CliShortcut, UnreadableFilesAreAnUnexpectedFormat) {
    TempDir dir;
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"truncated in the message", std::string("\x01"
                                                 "A\x05"
                                                 "BC",
                                                 5)},
        {"truncated in the modes", std::string("\x01"
                                               "A\x01"
                                               "B\0\0\0\0\0\0",
                                               10)},
        {"length past the end", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x01", 7)},
    };
    for (const auto& [name, bytes] : cases) {
        auto file = dir.path / "bad.tks";
        writeBytes(file, bytes);
        RunResult shown = cli({"shortcut", "show", file.string()});
        EXPECT_EQ(shown.exitCode, 3) << name;
        EXPECT_EQ(shown.err.substr(0, 24), "Unexpected file format.\n") << name;
        EXPECT_EQ(shown.out, "") << name;
    }
    RunResult missing = cli({"shortcut", "show", (dir.path / "none.tks").string()});
    EXPECT_EQ(missing.exitCode, 3);
}

TEST(CliData, HelpPrintsTheUsageAndSucceeds) {
    const RunResult whole = cli({"--help"});
    EXPECT_EQ(whole.exitCode, 0);
    EXPECT_EQ(whole.out.rfind("usage: tonalink-cli [--dir DIR] COMMAND ...\n", 0), 0u) << whole.out;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-h"}, {"--dir", kSample, "--help"}, {"send", "--help"}}) {
        const RunResult help = cli(args);
        EXPECT_EQ(help.exitCode, 0) << args.back();
        EXPECT_EQ(help.out, whole.out) << args.back();
    }
}

TEST(CliData, SendOnAPortThatDoesNotOpenFailsWithoutLogging) {
    TempDir dir;
    for (const char* file : {"call.dat", "maddress.dat"})
        std::filesystem::copy_file(kSample + "/" + file, dir.path / file);
    const RunResult send = cli({"--dir", dir.path.string(), "send", "--entry", "山田 太郎",
                                "--port", "/nonexistent/ttyS9", "おはよう"});
    EXPECT_EQ(send.exitCode, 3);
    EXPECT_EQ(send.err, "COMポートがオープンできません\n設定を変更し再起動してください。\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path / "bell.log"));
}

TEST(CliBook, ImportsGoodRowsReportsTheRestAndExportsWhatItImported) {
    TempDir dir;
    const std::string book = (dir.path / "maddress.dat").string();
    writeBytes(book, "[A]\r\nPbCallNo=1\r\n");
    writeBytes(dir.path / "in.csv", "Name,PbCallNo,MsgGroup\r\n江口,2,1\r\n,3,\r\n望月,4,9\r\n");
    const std::string dirArg = dir.path.string();
    const std::string csv = (dir.path / "in.csv").string();

    RunResult dry = cli({"--dir", dirArg, "book", "import", csv, "--dry-run"});
    EXPECT_EQ(dry.exitCode, 1);
    EXPECT_EQ(dry.out, "3\tno name\n4\tMsgGroup: group must be empty or 0-4\n");
    EXPECT_EQ(dry.err, "added 1, updated 0, skipped 2 (dry run: nothing written)\n");
    EXPECT_EQ(readWholeFile(book), "[A]\r\nPbCallNo=1\r\n");

    RunResult done = cli({"--dir", dirArg, "book", "import", csv});
    EXPECT_EQ(done.exitCode, 1);
    EXPECT_EQ(readWholeFile(book), "[A]\r\nPbCallNo=1\r\n[\x8D\x5D\x8C\xFB]\r\nPbCallNo=2\r\n"
                                   "MsgGroup=1\r\n");

    RunResult out = cli({"--dir", dirArg, "book", "export"});
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_EQ(out.out, "Name,PbType,PbCallNo,PhsCallNo,PbPassWord,MsgGroup,UserSetFormCnt\r\n"
                       "A,,1,,,,0\r\n江口,,2,,,1,0\r\n");
    const std::string exported = (dir.path / "out.csv").string();
    EXPECT_EQ(cli({"--dir", dirArg, "book", "export", exported}).exitCode, 0);
    RunResult again = cli({"--dir", dirArg, "book", "import", exported});
    EXPECT_EQ(again.exitCode, 0) << again.out;
    EXPECT_EQ(again.err, "added 0, updated 2, skipped 0\n");
    EXPECT_EQ(readWholeFile(exported), out.out);

    EXPECT_EQ(cli({"--dir", dirArg, "book", "import", "/nonexistent.csv"}).exitCode, 3);
}
