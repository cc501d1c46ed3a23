#!/usr/bin/env bash
# Try Trellion without pods or a cloud account: builds the app, starts trellion-sim with the demo
# classrooms on free loopback ports, and runs the app against it. The simulator stops with the app.
# Edits to the demo classrooms are kept in the user's state directory between runs.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages
build_trellion Trellion trellion-sim
build="${TRELLION_BUILD_DIR:-$root/build}"

simulator="$build/tools/simulator/trellion-sim"
config="$root/tools/simulator/demo/config.json"
state="${XDG_STATE_HOME:-$HOME/.local/state}/trellion-sim"
mkdir -p "$state"

endpoints=$(mktemp)
"$simulator" --config "$config" --data-dir "$state" --exit-with-parent >"$endpoints" 2>"$state/trellion-sim.log" &
simulator_pid=$!
trap 'kill "$simulator_pid" 2>/dev/null; wait "$simulator_pid" 2>/dev/null; rm -f "$endpoints"' EXIT

for _ in $(seq 100); do
    [ -s "$endpoints" ] && break
    kill -0 "$simulator_pid" 2>/dev/null || { echo "trellion-sim did not start, see $state/trellion-sim.log" >&2; exit 1; }
    sleep 0.1
done
[ -s "$endpoints" ] || { echo "trellion-sim did not answer in time" >&2; exit 1; }

# One value of the simulator's compact JSON line.
endpoint() { sed -n "s|.*\"$1\":\"\([^\"]*\)\".*|\1|p" "$endpoints"; }

echo
echo "Demo accounts (e-mail, password, permissions):"
"$simulator" --config "$config" --list-accounts 2>/dev/null | sed 's/^/  /'
echo "Pods, with their screen keys: $(endpoint controlUrl)/pods"
echo "Switch pod 3 off for 20 s (it comes back as after a reboot):"
echo "  curl -X POST -H 'Content-Type: application/json' -d '{\"silentMs\": 20000}' $(endpoint controlUrl)/pods/3/power-cycle"
echo

"$build/Trellion" \
    --auth-url "$(endpoint authUrl)" \
    --backend-url "$(endpoint backendUrl)" \
    --auth-claim "$(endpoint authClaim)" \
    --analytics-url "$(endpoint analyticsUrl)"
