#!/usr/bin/env bash
# Builds the benchmarks into build-bench/, runs each of them and rewrites BENCHMARKS.md from the
# figures they print. A program that does not take a median of fresh runs itself runs --runs times.
# TRELLION_BENCH_BUILD_DIR names another build tree to use (it is configured with the benchmarks on).
# --quick is a sanity run: one run, and two turns of bare client and session per classroom size.
# Usage: scripts/bench.sh [--runs N | --quick]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/packages.sh"

runs=3
alternations=5
while [ $# -gt 0 ]; do
    case "$1" in
    --runs)
        runs="${2:-}"
        shift 2 || shift
        ;;
    --quick)
        runs=1
        alternations=2
        shift
        ;;
    *)
        echo "Usage: scripts/bench.sh [--runs N | --quick]" >&2
        exit 2
        ;;
    esac
done
if ! [[ $runs =~ ^[1-9][0-9]?$ ]]; then
    echo "--runs takes a number from 1 to 99" >&2
    exit 2
fi

started=$SECONDS
build="${TRELLION_BENCH_BUILD_DIR:-$root/build-bench}"
ensure_packages python3
# build_trellion keeps a configured tree as it is, so the benchmark option is set here first.
if ! grep -qx 'TRELLION_BUILD_BENCH:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLION_BUILD_BENCH=ON \
        "${launcher[@]}" >/dev/null
fi
TRELLION_BUILD_DIR="$build" build_trellion request_engine_bench layout_model_bench routing_session_bench \
    bare_open_bench pod_health_bench interface_bench HostilePeerTest

logs="$build/bench-logs"
rm -rf "$logs"
mkdir -p "$logs"
machine="$logs/machine.env"
{
    echo "cpu=$(lscpu | sed -n 's/^Model name: *//p' | head -n 1)"
    echo "cores=$(nproc)"
    echo "memory_kib=$(sed -n 's/^MemTotal: *\([0-9]*\) kB/\1/p' /proc/meminfo)"
    echo "load=$(cut -d ' ' -f 1-3 /proc/loadavg)"
    echo "qt=$(pkg-config --modversion Qt5Core)"
    echo "mesa=$(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null || echo unknown)"
    echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "runs=$runs"
} >"$machine"

# run_bench NAME RUN SECONDS COMMAND...: one bounded run from fresh data and settings directories,
# so that nothing saved by an earlier run (or by the user) changes what it measures.
run_bench() {
    local name=$1 run=$2 limit=$3
    shift 3
    local home="$logs/home-$name-$run" log="$logs/$name.$run.log"
    echo "Running $name ($run)…"
    if ! XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" TRELLION_MANAGED_PREFS="$home/managed.conf" \
        timeout --kill-after=10 "$limit" "$@" >"$log" 2>&1 || ! grep -q '^RESULT ' "$log"; then
        echo "$name failed or did not finish within $limit s; its output is in $log" >&2
        return 1
    fi
    rm -rf "$home"
}

bin="$build/bench"
for run in $(seq "$runs"); do
    run_bench request_engine "$run" 300 "$bin/request_engine_bench"
    run_bench layout_model "$run" 300 "$bin/layout_model_bench"
    run_bench routing_session "$run" 600 "$bin/routing_session_bench" --alternations "$alternations"
    run_bench pod_health "$run" 300 "$bin/pod_health_bench"
done
# It starts fresh processes for every figure and takes their medians itself; each run's routing and
# editor processes also sit idle for 30 s per screen. Its children give up after 240 s each; a server
# number apart from the UI tests' keeps it off their X servers.
run_bench interface 1 $(((2 + 3 * runs) * 70 + 300 * runs)) \
    xvfb-run -a -n 150 -s "-screen 0 2100x1000x24" "$bin/interface_bench" --runs "$runs"
# The fault run prints what each hostile input cost the app.
run_bench hostile_peers 1 300 env TRELLION_PRINT_FIGURES=1 QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
    "$build/tests/Faults/HostilePeerTest"

elapsed=$((SECONDS - started))
python3 "$root/scripts/lib/bench_report.py" --logs "$logs" --seconds "$elapsed" --output "$root/BENCHMARKS.md"
echo "Wrote BENCHMARKS.md in $((elapsed / 60)) min $((elapsed % 60)) s."
