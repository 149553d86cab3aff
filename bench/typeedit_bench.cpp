// The pager-type editor: opening call.dat and showing its first type, on the
// sample and on a file of 500 types, and the try-it box's encoding per keystroke.
#include "temp_dir.h"
#include "try_encode.h"
#include "type_edit_document.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using tonalink::PagerTypeList;
using tonalink::TypeEditDocument;
using tonalink::test::TempDir;

std::string sample() {
    return tonalink::test::readWholeFile(std::string(TONALINK_SAMPLE_DATA_DIR) + "/call.dat");
}

// The sample's first type (371 free words) 500 times under other names.
std::string fiveHundredTypes() {
    const std::string bytes = sample();
    const std::size_t begin = bytes.find("\r\n[") + 2;
    const std::size_t end = bytes.find("\r\n[", begin) + 2;
    const std::string body = bytes.substr(bytes.find("\r\n", begin) + 2, end - begin);
    std::string out;
    for (int i = 0; i < 500; ++i)
        out += "[Type" + std::to_string(i) + "]\r\n" + body;
    return out;
}

// What opening the editor reads: the file, the names, the first type's keys and lists.
void openAndShowFirstType(benchmark::State& state, const std::string& bytes) {
    TempDir dir;
    dir.write("call.dat", bytes);
    for (auto _ : state) {
        tonalink::ProfileError error{};
        auto document = TypeEditDocument::open(dir.path.string(), &error);
        const std::string first = document->typeNames().front();
        for (PagerTypeList list : tonalink::kPagerTypeLists)
            benchmark::DoNotOptimize(document->list(first, list));
        benchmark::DoNotOptimize(document->pagerType(first));
    }
}

void BM_OpenSample(benchmark::State& state) {
    openAndShowFirstType(state, sample());
}
BENCHMARK(BM_OpenSample)->Unit(benchmark::kMillisecond);

void BM_Open500Types(benchmark::State& state) {
    openAndShowFirstType(state, fiveHundredTypes());
}
BENCHMARK(BM_Open500Types)->Unit(benchmark::kMillisecond);

// One edit of a table in the 500-type file: an entry inserted at the top
// renumbers all 371 free words of the type.
void BM_InsertFreeWordAtTop500(benchmark::State& state) {
    TempDir dir;
    dir.write("call.dat", fiveHundredTypes());
    auto document = TypeEditDocument::open(dir.path.string(), nullptr);
    const std::string type = "Type250";
    const std::vector<std::string> words =
        document->list(type, PagerTypeList::FreeWords).list.values;
    std::vector<std::string> inserted = words;
    inserted.insert(inserted.begin(), "[99]X");
    for (auto _ : state) {
        document->setList(type, PagerTypeList::FreeWords, inserted);
        state.PauseTiming();
        document->setList(type, PagerTypeList::FreeWords, words);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertFreeWordAtTop500)->Unit(benchmark::kMillisecond);

// One keystroke: the sample message re-encoded in all four modes.
void BM_TryItKeystroke(benchmark::State& state) {
    TempDir dir;
    dir.write("call.dat", sample());
    auto document = TypeEditDocument::open(dir.path.string(), nullptr);
    const tonalink::PagerType type = document->pagerType(document->typeNames().front());
    // 40 bytes of kana, a fixed phrase, digits.
    const std::string message =
        "\x83\x41\x83\x43\x83\x45\x83\x47\x83\x49\x83\x4a\x83\x4c\x83\x4e"
        "\x8e\x8a\x8b\x7d\x98\x41\x97\x8d\x89\xba\x82\xb3\x82\xa2/0312345678";
    for (auto _ : state)
        benchmark::DoNotOptimize(tonalink::tryEncode(type, message));
}
BENCHMARK(BM_TryItKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
