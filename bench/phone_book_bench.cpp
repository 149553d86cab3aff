// The phone book at its stated sizes: a CSV import of up to 10,000 rows (goal:
// linear, under 0.5 s), the group count the broadcast chooser makes, and the heap
// of one key write into a 16 MB call.dat (bound: about six times the file size).
#include "core/app/broadcast_groups.h"
#include "core/common/cp932.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/phone_book.h"
#include "temp_dir.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>
#include <vector>

namespace {

// Heap in use and its peak, counted at every operator new and delete.
std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};

void* counted(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    const std::size_t now = g_inUse += malloc_usable_size(p);
    for (std::size_t peak = g_peak; now > peak && !g_peak.compare_exchange_weak(peak, now);)
        ;
    return p;
}

void uncounted(void* p) noexcept {
    if (p)
        g_inUse -= malloc_usable_size(p);
    std::free(p);
}

} // namespace

// The strings and vectors of the core allocate through these.
void* operator new(std::size_t size) {
    return counted(size);
}
void operator delete(void* p) noexcept {
    uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
    uncounted(p);
}

namespace {

using namespace tonalink;

// Distinct callee names, shortest first, so that 10,000 of them fit the
// program's 32767-byte list of names: one-byte characters alone, then in pairs.
std::vector<std::string> shortNames(std::size_t count) {
    std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-_+!#$%&()*";
    for (int kana = 0xA1; kana <= 0xDF; ++kana)
        alphabet += static_cast<char>(kana);
    std::vector<std::string> names;
    for (char c : alphabet)
        names.emplace_back(1, c);
    for (char a : alphabet)
        for (char b : alphabet)
            names.push_back(std::string{a, b});
    names.resize(count);
    return names;
}

std::string calleeCsv(std::size_t rows) {
    std::string csv = "Name,PbType,PbCallNo,MsgGroup,UserSetFormCnt,US00\r\n";
    for (const std::string& name : shortNames(rows))
        csv += *cp932::toUtf8(name) + ",標準,0312345678,2,1,[51]了解\r\n";
    return csv;
}

void BM_ImportCsvRows(benchmark::State& state) {
    const std::size_t rows = static_cast<std::size_t>(state.range(0));
    const std::string csv = calleeCsv(rows);
    for (auto _ : state) {
        ProfileFile file;
        const CsvImport result = importCallees(file, csv);
        if (result.added != rows || !result.problems.empty())
            state.SkipWithError("rows left out");
        benchmark::DoNotOptimize(file.bytes().data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportCsvRows)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// 16,000 sections all called A (about 269 KB): every listed name reads the first.
void BM_GroupCountOfDuplicateSections(benchmark::State& state) {
    test::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 16000; ++i)
        bytes += "[A]\r\nMsgGroup=1\r\n";
    dir.write("maddress.dat", bytes);
    PhoneBook book(dir.path.string());
    for (auto _ : state) {
        if (book.ListPhoneBook() != 0 || countGroupMembers(book)[0] != 16000)
            state.SkipWithError("wrong count");
    }
}
BENCHMARK(BM_GroupCountOfDuplicateSections)->Unit(benchmark::kMillisecond);

// call.dat of 16 MB in one section of short keys; the modem dialog's write of
// WaitTime. The counters give the heap's peak during the write and its ratio to
// the file size.
void BM_KeyWriteInto16MegabyteFile(benchmark::State& state) {
    test::TempDir dir;
    std::string bytes = "[T]\r\n";
    for (int i = 0; bytes.size() < ProfileFile::kMaxFileBytes - 64; ++i)
        bytes += "K" + std::to_string(i) + "=1\r\n";
    const std::string path = dir.write("call.dat", bytes);
    const double fileBytes = static_cast<double>(bytes.size());
    bytes = std::string();
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = g_inUse;
        g_peak = before;
        if (writeProfileStrings(path, "T", {{"WaitTime", std::to_string(state.iterations())}}) !=
            ProfileError::None)
            state.SkipWithError("write refused");
        peak = std::max(peak, g_peak - before);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024 * 1024);
    state.counters["peak_per_file_size"] = static_cast<double>(peak) / fileBytes;
}
BENCHMARK(BM_KeyWriteInto16MegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
