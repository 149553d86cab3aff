// Reading a 100,000-record bell.log and narrowing it down, as the send-log viewer
// does when it opens and at every change of a filter.
#include "core/modem/send_log_query.h"
#include "core/modem/send_log_reader.h"
#include "cp932_text.h"
#include "temp_dir.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace tonalink;
using tonalink::test::cp932Bytes;

constexpr int kRecords = 100000;

// A year of sends to 50 callees on 5 pager types, one in 20 a cancelled broadcast,
// every 50th message with a comma and a line break, as the program writes them.
std::string generatedLog() {
    const std::string cancelled = cp932Bytes("同報で送信をキャンセル");
    const std::string message = cp932Bytes("本日の会議は十五時からです");
    const std::string quoted = "\"" + cp932Bytes("至急、連絡を\r\nください") + "\"";
    std::string log = "Tonalink with Win32 Message Log file\r\n"
                      "Date,Time,CallNo,Name,Type,Message,Command\r\n\r\n";
    char line[96];
    for (int i = 0; i < kRecords; ++i) {
        std::snprintf(line, sizeof line, "24/%02d/%02d,%02d:%02d:%02d,0312345%03d,", i % 12 + 1,
                      i % 28 + 1, i % 24, i % 60, i % 59, i % 50);
        log += line;
        log += cp932Bytes("山田") + std::to_string(i % 50) + ",Type" + std::to_string(i % 5) + ",";
        log += (i % 50 == 0 ? quoted : message) + ",\"";
        log += i % 20 == 0 ? cancelled : "*2*2" + std::string(40, '1') + "##";
        log += "\"\r\n";
    }
    return log;
}

struct LogFile {
    tonalink::test::TempDir dir;
    std::string path = dir.write("bell.log", generatedLog());
};

const LogFile& logFile() {
    static const LogFile file;
    return file;
}

void BM_ReadLog(benchmark::State& state) {
    for (auto _ : state) {
        SendLogContents log = readSendLog(logFile().path);
        if (log.records.size() != kRecords || log.malformedCount != 0)
            state.SkipWithError("the generated log did not read back whole");
        benchmark::DoNotOptimize(log.records.data());
    }
}
BENCHMARK(BM_ReadLog)->Unit(benchmark::kMillisecond);

// One filter change: the rows, their order by date, and both totals.
void BM_ApplyFilter(benchmark::State& state) {
    const SendLogContents log = readSendLog(logFile().path);
    SendLogFilter filter;
    filter.fromDate = 20240301;
    filter.toDate = 20240930;
    filter.type = "Type1";
    filter.cancelled = CancelledFilter::HideCancelled;
    for (auto _ : state) {
        LogRows rows = filterRecords(log.records, filter);
        sortRows(log.records, rows, LogColumn::Date, false);
        benchmark::DoNotOptimize(totalsByCallee(log.records, rows));
        benchmark::DoNotOptimize(totalsByDay(log.records, rows));
    }
}
BENCHMARK(BM_ApplyFilter)->Unit(benchmark::kMillisecond);

void BM_SortAllByName(benchmark::State& state) {
    const SendLogContents log = readSendLog(logFile().path);
    const LogRows all = filterRecords(log.records, {});
    for (auto _ : state) {
        LogRows rows = all;
        sortRows(log.records, rows, LogColumn::Name, true);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SortAllByName)->Unit(benchmark::kMillisecond);

} // namespace
