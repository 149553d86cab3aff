// Encoding runs on every keystroke: a 1,000-byte message must take at most
// 100 us, a 64 KB paste at most 16 ms, with a free-word type of about 200
// entries and 50 fixed phrases.
#include "core/encoder/encoder.h"
#include "core/encoder/preview.h"
#include "sample_pager_types.h"

#include <benchmark/benchmark.h>

namespace tonalink {
namespace {

void encodeMessage(benchmark::State& state, int32_t mode, std::string text) {
    const PagerType type = testing::freeWordServiceType();
    const EncoderInput input = testing::inputFor(type, text, mode);
    Encoder encoder;
    if (encoder.Encode(input) < 0) {
        state.SkipWithError("benchmark message does not encode");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(encoder.Encode(input));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_EncodeFreeWords(benchmark::State& state) {
    encodeMessage(state, 0,
                  testing::freeWordServiceMessage(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_EncodeFreeWords)->Arg(1000)->Arg(65536)->Unit(benchmark::kMicrosecond);

void BM_EncodeDirect(benchmark::State& state) {
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0))) {
        text += "0312345678*#,";
    }
    text.resize(static_cast<std::size_t>(state.range(0)));
    encodeMessage(state, 3, text);
}
BENCHMARK(BM_EncodeDirect)->Arg(1000)->Arg(65536)->Unit(benchmark::kMicrosecond);

// One keystroke on a short message, with the type reloaded in between: the
// search index is rebuilt on every run.
void BM_PreviewAfterTypeReload(benchmark::State& state) {
    PagerType type = testing::freeWordServiceType();
    const std::string text = testing::freeWordServiceMessage(60);
    Encoder encoder;
    bool flip = false;
    for (auto _ : state) {
        state.PauseTiming();
        std::swap(type.FreeWords[0], type.FreeWords[flip ? 1 : 2]);
        flip = !flip;
        state.ResumeTiming();
        benchmark::DoNotOptimize(PreparePreview(encoder, testing::inputFor(type, text)));
    }
}
BENCHMARK(BM_PreviewAfterTypeReload)->Unit(benchmark::kMicrosecond);

void BM_PreviewShortMessage(benchmark::State& state) {
    const PagerType type = testing::freeWordServiceType();
    const std::string text = testing::freeWordServiceMessage(60);
    Encoder encoder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PreparePreview(encoder, testing::inputFor(type, text)));
    }
}
BENCHMARK(BM_PreviewShortMessage)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tonalink
