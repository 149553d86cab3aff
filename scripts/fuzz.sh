#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for its
# share of SECONDS_TOTAL (default 120, at most 300). Fails on the first crash or
# broken invariant; the input that did it is left in build-fuzz/fuzz-artifacts/.
# Inputs the runs find go to build-fuzz/fuzz-corpus/, never into the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-120}
if ! [[ $total =~ ^[0-9]+$ ]] || ((total < 1 || total > 300)); then
    echo "usage: $0 [SECONDS_TOTAL]  (1 to 300, default 120)" >&2
    exit 2
fi

# Through ccache when it is there: the sanitized core is the bulk of the build.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTONALINK_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)"

mapfile -t targets < <(sed -n '/^set(TL_FUZZ_TARGETS$/,/^)/{/^    /s/ //gp}' fuzz/CMakeLists.txt)
share=$((total / ${#targets[@]}))
((share >= 1)) || share=1
for name in "${targets[@]}"; do
    corpus=build-fuzz/fuzz-corpus/$name
    artifacts=build-fuzz/fuzz-artifacts/$name
    mkdir -p "$corpus" "$artifacts"
    echo "fuzz_$name: ${share}s"
    build-fuzz/fuzz/fuzz_"$name" -max_total_time="$share" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" fuzz/corpus/"$name" fuzz/regressions/"$name" 2>build-fuzz/fuzz-"$name".log ||
        { tail -n 40 build-fuzz/fuzz-"$name".log >&2; echo "fuzz_$name failed" >&2; exit 1; }
    grep -E '^stat::number_of_executed_units|^Done' build-fuzz/fuzz-"$name".log || true
done
