#!/usr/bin/env bash
# Try Trellion without pods or a cloud account: builds the app and the simulator, then runs the demo
# (tools/simulator/trellion-demo) with them.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages
build_trellion Trellion trellion-sim
build="${TRELLION_BUILD_DIR:-$root/build}"

exec "$root/tools/simulator/trellion-demo" "$build/Trellion" "$build/tools/simulator/trellion-sim" \
    "$root/tools/simulator/demo/config.json"
