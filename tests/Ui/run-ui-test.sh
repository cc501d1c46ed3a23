#!/bin/sh
# Runs one UI test program on a private X server, from a fresh home so that no setting left by an
# earlier run (saved user name, password on logout) changes what the test sees.
# Usage: run-ui-test.sh HOME_DIR PROGRAM [ARGS...]
set -eu
home=$1
shift
rm -rf "$home"
mkdir -p "$home"
# Server numbers from 120 up, clear of those other tests take from 99 up (-a takes the next free one).
# TRELLION_XVFB_SCREEN gives a larger screen for the runs at twice the pixel density.
exec xvfb-run -a -n 120 -s "-screen 0 ${TRELLION_XVFB_SCREEN:-2600x1500}x24" "$@"
