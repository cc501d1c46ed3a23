#!/usr/bin/env bash
# Runs the whole suite N times (3 unless given) while stress-ng keeps every core busy, as on a CI
# machine that runs other work too; one line per run, and a failure if any run failed. Each run's
# ctest output is kept in build/loaded-runs/. Further arguments go to ctest ("-L ui").
# Usage: scripts/test-loaded.sh [N] [ctest arguments…]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/packages.sh"

runs=3
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
    runs=$1
    shift
fi
if [ "$runs" -lt 1 ]; then
    echo "Usage: scripts/test-loaded.sh [N] [ctest arguments…]" >&2
    exit 2
fi

ensure_packages "${TRELLION_TEST_PACKAGES[@]}" "${TRELLION_PACKAGING_PACKAGES[@]}" "${TRELLION_LOAD_PACKAGES[@]}"
build_trellion
build="${TRELLION_BUILD_DIR:-$root/build}"
logs="$build/loaded-runs"
rm -rf "$logs"
mkdir -p "$logs"
cd "$build"

cores=$(nproc)
# Its own time limit too, so that it cannot outlive the script even if the script is killed hard.
stress-ng --cpu "$cores" --timeout "$((runs * 3600))" --quiet &
stress=$!
stop_stress() {
    kill -TERM "$stress" 2>/dev/null || true
    wait "$stress" 2>/dev/null || true
}
trap stop_stress EXIT
echo "stress-ng keeps $cores cores busy; running the suite $runs times."

failed_runs=0
for run in $(seq "$runs"); do
    log="$logs/run-$run.log"
    started=$SECONDS
    status=0
    ctest --output-on-failure --parallel "$cores" --timeout 300 "$@" >"$log" 2>&1 || status=$?
    summary=$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1 || true)
    took="$(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
    if [ "$status" -eq 0 ]; then
        echo "run $run/$runs: passed: ${summary:-no summary} ($took)"
    else
        failed_runs=$((failed_runs + 1))
        failures=$(sed -n '/^The following tests FAILED:/,$p' "$log" | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' |
            paste -sd ' ' -)
        echo "run $run/$runs: FAILED: ${summary:-no summary}; ${failures:-see the log} ($took; $log)"
    fi
done
[ "$failed_runs" -eq 0 ]
