// Loading one pager type and listing the types of a large call.dat, as the form
// does on every type change and at start-up.
#include "core/pagerdata/pager_type_catalog.h"
#include "temp_dir.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

using tonalink::PagerTypeCatalog;
using tonalink::test::TempDir;

// One type of 300 entries: 100 fixed phrases, 100 free words, 100 numbers.
std::string pagerTypeSection(const std::string& name) {
    std::string s = "[" + name + "]\r\n";
    s += "FreeStartCmd=*2*2\r\nFreeEndCmd=*2\r\nFormStartCmd=*4\r\nFormEndCmd=#4\r\n"
         "MsgEndCmd=##\r\nMsgCount=28\r\nAsCount=0\r\nFreeToSuzi=@\r\nFormContSw=1\r\n"
         "FormContStartCmd=*8\r\nMsgJoinSw=1\r\nMsgJoinFrontCmd=*7\r\nMsgJoinAfterCmd=*9\r\n"
         "WaitTime=5\r\nCutTime=3\r\nMsgCancelCmd=*0\r\nPassWordSw=0\r\nPbOrPhsSw=0\r\n"
         "PhsCallEnd=0\r\n";
    char line[64];
    const char* lists[][2] = {{"FormStyleCnt", "Fm%.3d=[%02d]\x82\xa8\x82\xcd\x82\xe6\x82\xa4\r\n"},
                              {"FreeWordCnt", "Fe%.3d=[%02d]\x83\x41\r\n"},
                              {"NumberWordCnt", "Nu%.3d=[%02d]1\r\n"}};
    for (const auto& list : lists) {
        s += std::string(list[0]) + "=100\r\n";
        for (int i = 0; i < 100; ++i) {
            std::snprintf(line, sizeof line, list[1], i, i);
            s += line;
        }
    }
    return s + "\r\n";
}

std::string typeName(int i) {
    return "Type" + std::to_string(i);
}

// A call.dat of `typeCount` types.
std::string callDat(int typeCount) {
    std::string s;
    for (int i = 0; i < typeCount; ++i)
        s += pagerTypeSection(typeName(i));
    return s;
}

// Arg: number of types in the file; the one loaded is in the middle.
void BM_LoadPagerTypeOf300Entries(benchmark::State& state) {
    const int types = static_cast<int>(state.range(0));
    TempDir dir;
    dir.write("call.dat", callDat(types));
    PagerTypeCatalog catalog(dir.path.string());
    if (catalog.ListPagerTypes(false) != 0)
        state.SkipWithError("listing failed");
    for (auto _ : state) {
        catalog.LoadPagerType(typeName(types / 2));
        benchmark::DoNotOptimize(catalog.PagerType.NumberWords.data());
    }
    if (catalog.PagerType.FormStyles.size() != 100 || catalog.PagerType.FreeWords.size() != 100)
        state.SkipWithError("type not loaded");
}
BENCHMARK(BM_LoadPagerTypeOf300Entries)
    ->Arg(1)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ListPagerTypes500(benchmark::State& state) {
    TempDir dir;
    dir.write("call.dat", callDat(500));
    PagerTypeCatalog catalog(dir.path.string());
    for (auto _ : state) {
        if (catalog.ListPagerTypes(false) != 0)
            state.SkipWithError("listing failed");
        benchmark::DoNotOptimize(catalog.PagerTypeNames.data());
    }
    if (catalog.PagerTypeNames.size() != 500)
        state.SkipWithError("not every type listed");
}
BENCHMARK(BM_ListPagerTypes500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
