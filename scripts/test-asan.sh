#!/usr/bin/env bash
# Builds Trellion and its tests with AddressSanitizer and UndefinedBehaviorSanitizer (the asan
# preset, in build-asan/) and runs every test. Any sanitizer report fails the test that made it.
#
#   scripts/test-asan.sh [ctest arguments…]     e.g. scripts/test-asan.sh -L faults
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/packages.sh"

ensure_packages
cd "$root"
[ -f build-asan/build.ninja ] || cmake --preset asan >/dev/null
cmake --build build-asan --parallel "$(nproc)"
# The preset's environment makes UBSan halt, so each report fails the test that made it.
ctest --preset asan --output-on-failure --parallel "$(nproc)" "$@"
