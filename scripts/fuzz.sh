#!/usr/bin/env bash
# Fuzzes the readers of outside data with libFuzzer under ASan and UBSan, each
# target for a bounded time, one after the other. Not part of the test run.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]   (default 600, all targets)
#
# Targets: layout, access_token, session_events, overlay_message.
# Seeds come from tests/data/fuzz/<target>/ (the layout one from tests/data/layout/),
# new corpus entries go to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/crashes/<target>/. Exits non-zero when a target found something.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(layout access_token session_events overlay_message)

case $seconds in
    '' | *[!0-9]*) echo "fuzz.sh: seconds must be a whole number, got '$seconds'" >&2; exit 2 ;;
esac
for target in "${targets[@]}"; do
    case $target in
        layout | access_token | session_events | overlay_message) ;;
        *) echo "fuzz.sh: unknown target '$target'" >&2; exit 2 ;;
    esac
done

cmake -S "$root/tests/Fuzz" -B "$build" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target "${targets[@]/%/_fuzzer}"

export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/Fuzz/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# The targets open no display, whatever the session has.
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    seeds=$root/tests/data/fuzz/$target
    [ "$target" = layout ] && seeds=$root/tests/data/layout
    mkdir -p "$build/corpus/$target" "$build/crashes/$target"
    echo "== $target: ${seconds}s"
    if ! "$build/${target}_fuzzer" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -dict="$root/tests/Fuzz/$target.dict" -artifact_prefix="$build/crashes/$target/" \
        "$build/corpus/$target" "$seeds"; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in: ${failed[*]} (see $build/crashes/)" >&2
    exit 1
fi
