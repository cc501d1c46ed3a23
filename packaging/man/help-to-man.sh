#!/usr/bin/env bash
# Writes a program's gzipped manual page from its --help, so the two always list the same options.
# Hand-written sections (files, examples) are appended from SECTIONS.
# Usage: help-to-man.sh PROGRAM NAME VERSION SUMMARY SECTIONS OUTPUT.1.gz
set -euo pipefail
program=$1 name=$2 version=$3 summary=$4 sections=$5 output=$6

# The app needs no display just to print its options, and a sanitizer build's leak report at exit
# is no reason to fail the page.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=offscreen "$program" --help | awk -v name="$name" -v version="$version" -v summary="$summary" '
function roff(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    sub(/^[.\047]/, "\\\\&&", text)
    return text
}
function trim(text) { sub(/^ +/, "", text); sub(/ +$/, "", text); return text }
BEGIN {
    printf ".TH %s 1 \"\" \"%s %s\" \"User Commands\"\n", roff(toupper(name)), roff(name), version
    printf ".SH NAME\n%s \\- %s\n", roff(name), roff(summary)
}
# Qt prints the path the program was started by; the page names the installed command.
/^Usage:/ { $1 = ""; $2 = ""; printf ".SH SYNOPSIS\n.B %s\n%s\n", roff(name), roff(trim($0)); next }
/^Options:/ { print ".SH OPTIONS"; options = 1; next }
/^$/ { next }
options && /^  -/ {
    line = substr($0, 3)
    split_at = index(line, "  ")
    option = split_at ? substr(line, 1, split_at - 1) : line
    printf ".TP\n.B %s\n", roff(option)
    if (split_at) print roff(trim(substr(line, split_at)))
    next
}
options { print roff(trim($0)); next }
{ if (!described++) print ".SH DESCRIPTION"; print roff(trim($0)) }
' >"$output.tmp"
cat "$sections" >>"$output.tmp"
gzip -9n <"$output.tmp" >"$output"
rm "$output.tmp"
