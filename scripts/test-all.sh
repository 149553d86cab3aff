#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test twice: a normal build and
# an address + undefined-behaviour sanitizer build; checks the Debian package and
# runs clang-tidy (in the background, at low priority, while the tests run) and a
# bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
nice -n 19 ./scripts/tidy.sh build >build/tidy.log 2>&1 &
tidy=$!
ctest --test-dir build --output-on-failure -j"$jobs"
# The Debian package: validators, lintian, installed and started from its desktop entry.
./scripts/check-package.sh build

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTONALINK_SANITIZE=ON \
    -DTONALINK_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
if ! wait "$tidy"; then
    cat build/tidy.log
    exit 1
fi
tail -n 1 build/tidy.log

# Every reader and editor under libFuzzer for a bounded time (clang, build-fuzz/).
./scripts/fuzz.sh 60
