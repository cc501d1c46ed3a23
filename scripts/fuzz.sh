#!/usr/bin/env bash
# Fuzzes the readers of outside data with libFuzzer under ASan and UBSan, each
# target for a bounded time, one after the other.
#
#   scripts/fuzz.sh [--build-only | --no-build] [seconds-per-target] [target...]
#                                               (default 600 s, every target)
#
# The targets are the lines of tests/Fuzz/targets.list; the suite builds them once and runs
# each for 10 s (ctest -L fuzz). Seeds come from the target's folder below tests/data/, new
# corpus entries go to <build>/corpus/<target>/, crashes to <build>/crashes/<target>/, where
# <build> is $TRELLION_FUZZ_BUILD_DIR or build-fuzz/. Needs clang and libFuzzer
# (TRELLION_TEST_PACKAGES). Exits non-zero when the build fails or a target found something.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TRELLION_FUZZ_BUILD_DIR:-$root/build-fuzz}

build_step=yes run_step=yes
case ${1:-} in
    --build-only) run_step=no; shift ;;
    --no-build) build_step=no; shift ;;
esac
seconds=${1:-600}
shift || true
case $seconds in
    '' | *[!0-9]* | 0) echo "fuzz.sh: seconds must be a whole number above 0, got '$seconds'" >&2; exit 2 ;;
esac

declare -A seeds_of
known=()
while read -r name _ seeds _; do
    [[ -z $name || $name == \#* ]] && continue
    known+=("$name")
    seeds_of[$name]=$seeds
done <"$root/tests/Fuzz/targets.list"

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${known[@]}")
for target in "${targets[@]}"; do
    if [ -z "${seeds_of[$target]:-}" ]; then
        echo "fuzz.sh: unknown target '$target' (targets: ${known[*]})" >&2
        exit 2
    fi
done

if [ $build_step = yes ]; then
    if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'TRELLION_FUZZ:BOOL=ON' "$build/CMakeCache.txt"; then
        echo "fuzz.sh: $build holds another build (an older fuzz build?); remove it first" >&2
        exit 2
    fi
    # Configured once; `cmake --build` configures again by itself when a CMakeLists.txt changes.
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DTRELLION_FUZZ=ON -DBUILD_TESTING=OFF \
            -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    fi
    cmake --build "$build" --target "${targets[@]/%/_fuzzer}"
fi
[ $run_step = yes ] || exit 0

export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/Fuzz/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# The targets open no display, whatever the session has.
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    dictionary=()
    [ -f "$root/tests/Fuzz/$target.dict" ] && dictionary=(-dict="$root/tests/Fuzz/$target.dict")
    mkdir -p "$build/corpus/$target" "$build/crashes/$target"
    echo "== $target: ${seconds}s"
    if ! "$build/${target}_fuzzer" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        "${dictionary[@]}" -artifact_prefix="$build/crashes/$target/" \
        "$build/corpus/$target" "$root/tests/data/${seeds_of[$target]}"; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in: ${failed[*]} (see $build/crashes/)" >&2
    exit 1
fi
