#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tidy.sh [BUILD]: clang-tidy with the tree's .clang-tidy over every source of
# src/, ext/ and tools/ in BUILD's compile database (default: build, built).
# Any warning fails; each one is printed with its check.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -p "$build" -j"$(nproc)" -quiet "^$PWD/(src|ext|tools)/" >"$log" 2>&1 || status=$?
sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '(warning|error):' | sort -u || true
echo "clang-tidy: $(grep -c '^clang-tidy' "$log" || true) files, status $status"
exit "$status"
