#include "child_process.h"
#include "core/modem/send_log.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

using tonalink::test::readWholeFile;
using tonalink::test::TempDir;

using namespace tonalink;
using ::testing::ElementsAre;
namespace fs = std::filesystem;

namespace {

const std::string kHeader = "Tonalink with Win32 Message Log file\r\n"
                            "Date,Time,CallNo,Name,Type,Message,Command\r\n"
                            "\r\n";
// "同報で送信をキャンセル" in CP932.
const std::string kCancelled =
    "\x93\xAF\x95\xF1\x82\xC5\x91\x97\x90\x4D\x82\xF0\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B";

void writeAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::tm fixedTime() {
    std::tm t{};
    t.tm_year = 100; // 2000
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    return t;
}

struct Notice {
    SendLogNotice kind;
    std::string detail;
};

class SendLogTest : public ::testing::Test {
protected:
    SendLog makeLog(const fs::path& dir) {
        return SendLog(
            dir.string(),
            [this](SendLogNotice kind, const std::string& detail) {
                notices.push_back({kind, detail});
            },
            fixedTime);
    }
    std::vector<SendLogNotice> kinds() const {
        std::vector<SendLogNotice> out;
        for (const auto& n : notices)
            out.push_back(n.kind);
        return out;
    }

    TempDir dir;
    fs::path bellLog = dir.path / "bell.log";
    fs::path journal = dir.path / "bell.log.journal";
    std::vector<Notice> notices;
    std::vector<int32_t> starts{0, 4, 8, 10};
    std::string text = "AAAABBBBCC";
};

LogRecordContext part(const std::vector<int32_t>& starts, int32_t index, std::string_view command) {
    return {"Taro", "TypeA", starts, index, command};
}

} // namespace

TEST_F(SendLogTest, FirstFlushWritesTheHeaderThenTheRecords) {
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("0312345678", text, 0, part(starts, 0, "1234#"));
    EXPECT_THAT(log.logLines(), ElementsAre("00/12/07,09:05:03,0312345678,Taro,TypeA,AAAA,"
                                            "\"1234#\"\n"));
    EXPECT_FALSE(fs::exists(bellLog));
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(readWholeFile(bellLog),
              kHeader + "00/12/07,09:05:03,0312345678,Taro,TypeA,AAAA,\"1234#\"\r\n");
    EXPECT_TRUE(log.logLines().empty());
    EXPECT_TRUE(notices.empty());
}

TEST_F(SendLogTest, ALinkToALogNotYetMadeMakesItWhereItPointsAndStays) {
    fs::create_directory(dir.path / "shared");
    fs::create_symlink("shared/bell.log", bellLog);
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("1", text, 0, part(starts, 0, "1#"));
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(readWholeFile(dir.path / "shared/bell.log"),
              kHeader + "00/12/07,09:05:03,1,Taro,TypeA,AAAA,\"1#\"\r\n");
    EXPECT_TRUE(fs::is_symlink(bellLog));
}

TEST_F(SendLogTest, ThreePartsInSendingOrderEachWithItsSliceAndDigits) {
    SendLog log = makeLog(dir.path);
    for (int32_t index : {2, 1, 0})
        log.AddLogRecord("090", text, 0, part(starts, index, "d" + std::to_string(index)));
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(readWholeFile(bellLog), kHeader + "00/12/07,09:05:03,090,Taro,TypeA,CC,\"d2\"\r\n"
                                                "00/12/07,09:05:03,090,Taro,TypeA,BBBB,\"d1\"\r\n"
                                                "00/12/07,09:05:03,090,Taro,TypeA,AAAA,\"d0\"\r\n");
}

TEST_F(SendLogTest, CancelledRecordCarriesTheCancelTextAndFieldsAreQuoted) {
    SendLog log = makeLog(dir.path);
    LogRecordContext context{"Yamada, \"Jr\"", "", starts, 1, "9\"9"};
    log.AddLogRecord("0120", "AAAA,B\"BBCC", 1, context);
    log.AddLogRecord("0120", "AAAA,B\"BBCC", 2, context);
    EXPECT_THAT(
        log.logLines(),
        ElementsAre("00/12/07,09:05:03,0120,\"Yamada, \"\"Jr\"\"\",,\",B\"\"B\",\"" + kCancelled +
                        "\"\n",
                    "00/12/07,09:05:03,0120,\"Yamada, \"\"Jr\"\"\",,\",B\"\"B\",\"9\"\"9\"\n"));
}

TEST_F(SendLogTest, OnlyFieldsHoldingACommaQuoteOrLineBreakAreQuoted) {
    const struct {
        const char *name, *who, *type, *message, *fields;
    } cases[] = {{"Plain", "Taro", "TypeA", "AAAA", "Taro,TypeA,AAAA"},
                 {"CommaInMessage", "Taro", "TypeA", "A,B", "Taro,TypeA,\"A,B\""},
                 {"QuoteInName", "T\"o", "TypeA", "AAAA", "\"T\"\"o\",TypeA,AAAA"},
                 {"LfInMessage", "Taro", "TypeA", "A\nB", "Taro,TypeA,\"A\r\nB\""},
                 {"CrLfInMessage", "Taro", "TypeA", "A\r\nB", "Taro,TypeA,\"A\r\nB\""},
                 {"CommaInType", "Taro", "Type,A", "AAAA", "Taro,\"Type,A\",AAAA"}};
    for (const auto& c : cases) {
        fs::remove(bellLog);
        SendLog log = makeLog(dir.path);
        log.AddLogRecord("1", c.message, 0, {c.who, c.type, starts, 0, "12"}); // part 0: 4 bytes
        ASSERT_TRUE(log.FlushLog()) << c.name;
        EXPECT_EQ(readWholeFile(bellLog),
                  kHeader + "00/12/07,09:05:03,1," + c.fields + ",\"12\"\r\n")
            << c.name;
    }
}

TEST_F(SendLogTest, EmptyFlushCreatesTheHeaderOnlyOnce) {
    SendLog log = makeLog(dir.path);
    ASSERT_TRUE(log.FlushLog());
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(readWholeFile(bellLog), kHeader);
}

struct SizeCase {
    const char* name;
    std::size_t size;
    bool warns;
};

class SendLogSize : public SendLogTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SendLogSize, WarnsOnlyAboveFiftyThousandBytesAndAppendsAnyway) {
    std::string existing(GetParam().size, 'x');
    writeAll(bellLog, existing);
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("1", text, 0, part(starts, 0, "x"));
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(readWholeFile(bellLog), existing + "00/12/07,09:05:03,1,Taro,TypeA,AAAA,\"x\"\r\n");
    if (GetParam().warns) {
        EXPECT_THAT(kinds(), ElementsAre(SendLogNotice::SizeWarning));
        EXPECT_EQ(notices[0].detail, bellLog.string());
    } else {
        EXPECT_TRUE(notices.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Limit, SendLogSize,
                         ::testing::Values(SizeCase{"Exactly50000", 50000, false},
                                           SizeCase{"Bytes50001", 50001, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SliceCase {
    const char* name;
    std::vector<int32_t> starts;
    int32_t part;
    std::string slice;
};

class SendLogSlice : public SendLogTest, public ::testing::WithParamInterface<SliceCase> {};

TEST_P(SendLogSlice, StaysInsideTheText) {
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("1", text, 0, part(GetParam().starts, GetParam().part, "x"));
    EXPECT_THAT(log.logLines(),
                ElementsAre("00/12/07,09:05:03,1,Taro,TypeA," + GetParam().slice + ",\"x\"\n"));
}

INSTANTIATE_TEST_SUITE_P(Indexes, SendLogSlice,
                         ::testing::Values(SliceCase{"LastPart", {0, 4, 8, 10}, 2, "CC"},
                                           SliceCase{"PartPastTheEnd", {0, 4, 8, 10}, 3, ""},
                                           SliceCase{"NegativePart", {0, 4, 8, 10}, -1, ""},
                                           SliceCase{"NoStarts", {}, 0, ""},
                                           SliceCase{"EndBeyondText", {6, 99}, 0, "BBCC"},
                                           SliceCase{"StartBeyondText", {50, 60}, 0, ""},
                                           SliceCase{"EndBeforeStart", {8, 4}, 0, ""},
                                           SliceCase{"NegativeStart", {-5, 2}, 0, "AA"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SendLogTest, UnwritableFolderKeepsTheLinesForTheNextFlush) {
    fs::path later = dir.path / "later";
    SendLog log = makeLog(later);
    log.AddLogRecord("1", text, 0, part(starts, 0, "a"));
    log.AddLogRecord("2", text, 0, part(starts, 1, "b"));
    EXPECT_FALSE(log.FlushLog());
    EXPECT_EQ(log.logLines().size(), 2u);
    // One journal report for the run of failures, one for the flush.
    EXPECT_THAT(kinds(),
                ElementsAre(SendLogNotice::JournalNotWritten, SendLogNotice::LogNotWritten));
    EXPECT_NE(notices[1].detail.find("bell.log"), std::string::npos);

    fs::create_directory(later);
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(readWholeFile(later / "bell.log"),
              kHeader + "00/12/07,09:05:03,1,Taro,TypeA,AAAA,\"a\"\r\n"
                        "00/12/07,09:05:03,2,Taro,TypeA,BBBB,\"b\"\r\n");
}

TEST_F(SendLogTest, ALogThatCannotBeOpenedIsNeverReplaced) {
    fs::create_directory(bellLog);
    writeAll(bellLog / "inside", "keep");
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("1", text, 0, part(starts, 0, "a"));
    EXPECT_FALSE(log.FlushLog());
    EXPECT_EQ(log.logLines().size(), 1u);
    EXPECT_EQ(readWholeFile(bellLog / "inside"), "keep");
    EXPECT_THAT(kinds(), ElementsAre(SendLogNotice::LogNotWritten));
}

TEST_F(SendLogTest, JournalHoldsEveryRecordUntilTheFlush) {
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("1", text, 0, part(starts, 0, "a"));
    EXPECT_EQ(readWholeFile(journal), "00/12/07,09:05:03,1,Taro,TypeA,AAAA,\"a\"\n");
    log.AddLogRecord("2", text, 0, part(starts, 1, "b"));
    EXPECT_EQ(readWholeFile(journal), "00/12/07,09:05:03,1,Taro,TypeA,AAAA,\"a\"\n"
                                      "00/12/07,09:05:03,2,Taro,TypeA,BBBB,\"b\"\n");
    ASSERT_TRUE(log.FlushLog());
    EXPECT_FALSE(fs::exists(journal));
}

TEST_F(SendLogTest, RecordsOfACrashedRunAreRecoveredAtTheNextStart) {
    writeAll(bellLog, kHeader + "earlier\r\n");
    {
        SendLog crashed = makeLog(dir.path);
        crashed.AddLogRecord("1", text, 0, part(starts, 0, "a"));
        crashed.AddLogRecord("2", text, 0, part(starts, 1, "b"));
    } // ends without a flush
    EXPECT_EQ(readWholeFile(bellLog), kHeader + "earlier\r\n");

    SendLog next = makeLog(dir.path);
    ASSERT_TRUE(next.recoverJournal());
    const std::string recovered = kHeader + "earlier\r\n"
                                            "00/12/07,09:05:03,1,Taro,TypeA,AAAA,\"a\"\r\n"
                                            "00/12/07,09:05:03,2,Taro,TypeA,BBBB,\"b\"\r\n";
    EXPECT_EQ(readWholeFile(bellLog), recovered);
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_TRUE(next.logLines().empty());
    // A second start finds nothing left to recover.
    ASSERT_TRUE(makeLog(dir.path).recoverJournal());
    EXPECT_EQ(readWholeFile(bellLog), recovered);
}

TEST_F(SendLogTest, RecoveryKeepsATornRecordAndDoesNotDoubleThisRunsRecords) {
    writeAll(journal, "left,1\nleft,torn");
    SendLog log = makeLog(dir.path);
    log.AddLogRecord("3", text, 0, part(starts, 2, "c"));
    ASSERT_TRUE(log.recoverJournal());
    EXPECT_EQ(readWholeFile(bellLog),
              kHeader + "left,1\r\nleft,torn\r\n00/12/07,09:05:03,3,Taro,TypeA,CC,\"c\"\r\n");
}

TEST_F(SendLogTest, RecoveryWithoutJournalTouchesNothing) {
    SendLog log = makeLog(dir.path);
    EXPECT_TRUE(log.recoverJournal());
    writeAll(journal, "");
    EXPECT_TRUE(log.recoverJournal());
    EXPECT_FALSE(fs::exists(bellLog));
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_TRUE(notices.empty());
}

TEST_F(SendLogTest, FailedRecoveryKeepsTheJournal) {
    fs::path later = dir.path / "later";
    fs::create_directory(later);
    writeAll(later / "bell.log.journal", "left\n");
    fs::create_directory(later / "bell.log");
    SendLog log = makeLog(later);
    EXPECT_FALSE(log.recoverJournal());
    EXPECT_THAT(log.logLines(), ElementsAre("left\n"));
    EXPECT_EQ(readWholeFile(later / "bell.log.journal"), "left\n");
}
