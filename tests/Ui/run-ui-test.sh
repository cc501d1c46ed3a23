#!/bin/sh
# Runs one UI test program on a private X server, from a fresh home so that no setting left by an
# earlier run (saved user name, password on logout) changes what the test sees. The program gets
# its own session bus with a desktop's accessibility bus started on it; with
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON (set by CMake) Qt then serves assistive technology from the
# start, and the window is built as a screen reader finds it.
# Usage: run-ui-test.sh HOME_DIR PROGRAM [ARGS...]
set -eu
home=$1
shift
rm -rf "$home"
mkdir -p "$home"
# Server numbers from 120 up, clear of those other tests take from 99 up (-a takes the next free one).
# TRELLION_XVFB_SCREEN gives a larger screen for the runs at twice the pixel density.
# Asking the accessibility bus for its address starts it before the program looks for it.
exec dbus-run-session -- sh -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
    exec xvfb-run -a -n 120 -s "-screen 0 ${TRELLION_XVFB_SCREEN:-2600x1500}x24" "$@"' sh "$@"
