#!/usr/bin/env bash
# Fuzzes the layout document readers (classroom, team block, furniture) with
# libFuzzer under ASan and UBSan, for a bounded time. Not part of the test run.
#
#   scripts/fuzz-layout.sh [seconds]     (default 600)
#
# New corpus entries go to build-fuzz/corpus, crashes to build-fuzz/crashes;
# keep a crash as a regression input in tests/data/layout/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
seconds=${1:-600}

cmake -S "$root/tests/Fuzz" -B "$build" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target layout_fuzzer

mkdir -p "$build/corpus" "$build/crashes"
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/Fuzz/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
"$build/layout_fuzzer" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -dict="$root/tests/Fuzz/layout.dict" -artifact_prefix="$build/crashes/" \
    "$build/corpus" "$root/tests/data/layout"
