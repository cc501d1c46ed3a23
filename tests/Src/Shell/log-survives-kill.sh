#!/usr/bin/env bash
# A crash leaves a log: lines reach the file while the app runs, so after SIGKILL,
# which no handler sees, the file still holds the last lines written.
set -u
app=$1
export XDG_DATA_HOME
XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$app" >/dev/null 2>&1 &
pid=$!
# The last line of start-up is written at info, which is flushed within a second.
for _ in $(seq 60); do
    grep -qs "SSL Information" "$XDG_DATA_HOME"/Norvane/Trellion/Trellion_*.txt && break
    sleep 0.5
done
kill -KILL "$pid"
wait "$pid" 2>/dev/null
grep -q "Logs path" "$XDG_DATA_HOME"/Norvane/Trellion/Trellion_*.txt || { echo "first line missing"; exit 1; }
grep -q "SSL Information" "$XDG_DATA_HOME"/Norvane/Trellion/Trellion_*.txt || { echo "last line missing"; exit 1; }
echo "log kept after SIGKILL"
