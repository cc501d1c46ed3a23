#!/usr/bin/env bash
# Regenerates docs/screenshots/: builds the UI tests, which walk through the screens against the
# simulator on a private X server and save a PNG of each into the folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/packages.sh"

ensure_packages
build_trellion ui_tests
shots="$root/docs/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
cd "${TRELLION_BUILD_DIR:-$root/build}"
TRELLION_SCREENSHOT_DIR="$shots" ctest -L ui --output-on-failure
echo "Saved $(find "$shots" -name "*.png" | wc -l) screenshots in $shots"
