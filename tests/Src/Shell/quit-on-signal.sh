#!/usr/bin/env bash
# The app treats SIGINT and SIGTERM like closing the window: the event loop ends
# normally, the exit status is 0 and the buffered log reaches the file.
set -u
app=$1
signal=$2
export XDG_DATA_HOME
XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$app" >/dev/null 2>&1 &
pid=$!
sleep 2
kill "-$signal" "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status after SIG$signal"; exit 1; }
grep -q "SSL Information" "$XDG_DATA_HOME"/Norvane/Trellion/Trellion_*.txt || { echo "log not written out"; exit 1; }
echo "quit cleanly on SIG$signal"
