#!/usr/bin/env bash
# Builds Trellion and runs every test. Installs missing Debian packages first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/packages.sh"

ensure_packages "${TRELLION_TEST_PACKAGES[@]}" "${TRELLION_PACKAGING_PACKAGES[@]}"
build_trellion
cd "${TRELLION_BUILD_DIR:-$root/build}"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
