#!/usr/bin/env bash
# Fuzzes the layout document readers only; see scripts/fuzz.sh.
#
#   scripts/fuzz-layout.sh [seconds]     (default 600)
#
# Crashes go to build-fuzz/crashes/layout/; keep one as a regression input in tests/data/layout/.
exec "$(dirname "$0")/fuzz.sh" "${1:-600}" layout
