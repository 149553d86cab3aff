#include "core/modem/send_log.h"
#include "core/modem/send_log_reader.h"
#include "cp932_text.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tonalink;
using tonalink::test::cp932Bytes;
using tonalink::test::TempDir;

namespace {

const std::string kHeader = "Tonalink with Win32 Message Log file\r\n"
                            "Date,Time,CallNo,Name,Type,Message,Command\r\n"
                            "\r\n";
const std::string kGood = "00/12/07,09:05:03,090,Taro,TypeA,AAAA,\"12#\"\r\n";

// The whole outcome as one text: "R<line> f1|...|f7" per record (C when cancelled),
// "M<line> <fault> <text>" per kept malformed line, then the counts and the end.
std::string render(const SendLogContents& log) {
    std::string out;
    for (const auto& r : log.records) {
        out += "R" + std::to_string(r.lineNumber) + (r.cancelled ? "C " : " ");
        for (std::size_t c = 0; c < kLogColumnCount; ++c)
            out += std::string(c ? "|" : "") + std::string(r.field(static_cast<LogColumn>(c)));
        out += "\n";
    }
    for (const auto& m : log.malformed)
        out += "M" + std::to_string(m.lineNumber) + " " + std::to_string(int(m.fault)) + " " +
               m.text + (m.shortened ? "..." : "") + "\n";
    return out + std::to_string(log.malformedCount) + "/" + std::to_string(log.linesRead) + " end" +
           std::to_string(int(log.end));
}

} // namespace

// Faults: 0 FieldCount, 1 StrayQuote, 2 UnterminatedQuote, 3 TooLong, 4 BadDate, 5 BadTime,
// 6 NotText. Ends: 0 EndOfFile, 1 ByteLimit, 2 RecordLimit.
TEST(SendLogReaderTest, HostileLinesAreReportedAndNeverSwallowTheRecordsAfterThem) {
    const SendLogLimits small{.maxBytes = 1 << 20,
                              .maxRecords = 2,
                              .maxRecordBytes = 64,
                              .maxKeptMalformed = 2,
                              .maxShownBytes = 12};
    const struct {
        const char* name;
        std::string bytes;
        std::string expected;
        SendLogLimits limits = {.maxShownBytes = 12};
    } cases[] = {
        {"Good", kHeader + kGood, "R4 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\n0/4 end0"},
        {"QuotedFieldsAndLineBreak",
         "00/12/07,09:05:03,1,\"Ya, \"\"J\"\"\",T,\"a\r\nb\r\",\"9\"\r\n" + kGood,
         "R1 00/12/07|09:05:03|1|Ya, \"J\"|T|a\nb\r|9\nR3 00/12/07|09:05:03|090|Taro|TypeA|AAAA|"
         "12#\n0/3 end0"},
        {"UnescapedCommaAndQuote",
         "00/12/07,09:05:03,1,Ta,ro,T,M,\"9\"\r\n00/12/07,09:05:03,1,Ta\"ro,T,M,\"9\"\r\n" + kGood,
         "R3 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\nM1 0 00/12/07,09:...\n"
         "M2 1 00/12/07,09:...\n2/3 end0"},
        {"UnterminatedQuoteThenRecords", "00/12/07,09:05:03,1,N,T,\"open,9\r\n" + kGood + kGood,
         "R2 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\nR3 00/12/07|09:05:03|090|Taro|TypeA|AAAA|"
         "12#\nM1 2 00/12/07,09:...\n1/3 end0"},
        {"QuoteOpenAtEndOfFile", "x,\"never closed\r\nmore",
         "M1 2 x,\"never clo...\nM2 0 more\n2/2 end0"},
        {"TextAfterClosingQuote", "00/12/07,09:05:03,1,N,T,\"m\"x,\"9\"\n",
         "M1 1 00/12/07,09:...\n1/1 end0"},
        {"BinaryAndNotCp932",
         std::string("00/12/07,09:05:03,1,N,T,a\0b,\"9\"\n", 32) +
             "00/12/07,09:05:03,1,N,T,\x81\x20,\"9\"\n\xFF\xFE,\n",
         "M1 6 00/12/07,09:...\nM2 6 00/12/07,09:...\nM3 0 \xEF\xBF\xBD\xEF\xBF\xBD,\n3/3 end0"},
        {"DatesAndTimes",
         "00/02/29,23:59:60,1,,T,m,\"9\"\n99/12/31,00:00:00,2,,T,m,\"9\"\n01/02/29,00:00:00,1,,T,m,"
         "\"9\"\n00/13/01,00:00:00,1,,T,m,\"9\"\n00/01/01,24:00:00,1,,T,m,\"9\"\n0/01/"
         "01,1:0:0,1,,T,"
         "m,\"9\"\n",
         "R1 00/02/29|23:59:60|1||T|m|9\nR2 99/12/31|00:00:00|2||T|m|9\nM3 4 01/02/29,00:...\n"
         "M4 4 00/13/01,00:...\nM5 5 00/01/01,24:...\nM6 4 0/01/01,1:0:...\n4/6 end0"},
        {"LongLineAndLongQuotedRun",
         std::string(100, 'x') + "\r\n\"" + std::string(40, 'y') + "\n" + std::string(40, 'z') +
             "\"\n" + kGood,
         "R4 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\nM1 3 xxxxxxxxxxxx...\n"
         "M2 2 \"yyyyyyyyyyy...\n3/4 end0",
         small},
        {"HeaderAgainMidFileAndNoFinalLineEnd", kGood + kHeader + "00/12/07,09:05:03,2,,T,m,\"9\"",
         "R1 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\nR5 00/12/07|09:05:03|2||T|m|9\n0/5 end0"},
        {"RecordAndMalformedLimits", "a\nb\nc\n" + kGood + kGood + kGood,
         "R4 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\nR5 00/12/07|09:05:03|090|Taro|TypeA|AAAA|"
         "12#\nM1 0 a\nM2 0 b\n3/5 end2",
         small},
        {"ByteLimitStopsInsideALine",
         kGood + kGood,
         "R1 00/12/07|09:05:03|090|Taro|TypeA|AAAA|12#\n0/1 end1",
         {.maxBytes = kGood.size() + 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(render(parseSendLog(c.bytes, c.limits)), c.expected) << c.name;
}

// What SendLog writes reads back field for field, the cancel record marked.
TEST(SendLogReaderTest, ReadsBackWhatTheProgramWrites) {
    TempDir dir;
    std::tm when{};
    when.tm_year = 101, when.tm_mon = 0, when.tm_mday = 2, when.tm_hour = 13;
    SendLog log(dir.path.string(), {}, [&] { return when; });
    const std::string message = cp932Bytes("山田, \"様\"\r\n明日");
    const std::vector<int32_t> starts{0, int32_t(message.size())};
    log.AddLogRecord("0312", message, 0, {cp932Bytes("山田"), "NTT", starts, 0, "12#"});
    log.AddLogRecord("0312", message, 1, {"", "NTT", starts, 0, "12#"});
    ASSERT_TRUE(log.FlushLog());
    EXPECT_EQ(
        render(readSendLog(log.logPath())),
        "R4 01/01/02|13:00:00|0312|山田|NTT|山田, \"様\"\n明日|12#\n"
        "R6C 01/01/02|13:00:00|0312||NTT|山田, \"様\"\n明日|同報で送信をキャンセル\n0/7 end0");
}

TEST(SendLogReaderTest, FilesThatCannotBeReadWhole) {
    TempDir dir;
    // A file of gigabytes of one endless line: read up to the limit, nothing kept.
    EXPECT_EQ(render(readSendLog(dir.writeSparse("huge.log", 3ull << 30))), "0/0 end1");
    EXPECT_EQ(readSendLog(dir.file("none.log")).end, LogReadEnd::NotFound);
    ::mkfifo(dir.file("fifo").c_str(), 0600);
    EXPECT_EQ(readSendLog(dir.file("fifo")).end, LogReadEnd::Failed);
}
