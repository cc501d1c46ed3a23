#!/usr/bin/env bash
# shellcheck disable=SC2016  # the stand-ins expand their own variables
# Runs ensure_packages with stand-ins for dpkg-query, apt-get and id, on a machine that has none,
# some or all of the packages. On a bare machine dpkg-query fails, which must not end the set-up.
# Usage: ensure-packages-test.sh PACKAGES_SH
set -euo pipefail
library=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# dpkg-query reports the packages named in $INSTALLED and, like the real one, fails on any other.
cat >"$scratch/dpkg-query" <<'STANDIN'
#!/usr/bin/env bash
status=0
for package in "${@:3}"; do
    if [[ " $INSTALLED " == *" $package "* ]]; then
        printf '%s:install ok installed ' "$package"
    else
        echo "dpkg-query: no packages found matching $package" >&2
        status=1
    fi
done
exit $status
STANDIN
printf '#!/bin/sh\necho "apt-get $*" >>"$APT_LOG"\n' >"$scratch/apt-get"
printf '#!/bin/sh\necho "$USER_ID"\n' >"$scratch/id"
chmod +x "$scratch"/*

# shellcheck source=/dev/null
source "$library"
all="${TRELLION_PACKAGES[*]}"
failures=0

# expect NAME INSTALLED USER_ID STATUS STDERR APT_LOG
expect() {
    local status=0
    : >"$scratch/apt.log"
    PATH="$scratch:$PATH" INSTALLED=$2 USER_ID=$3 APT_LOG="$scratch/apt.log" \
        bash -c 'set -euo pipefail; source "$1"; ensure_packages' _ "$library" \
        >/dev/null 2>"$scratch/stderr" || status=$?
    if [[ $status != "$4" || "$(<"$scratch/stderr")" != "$5" || "$(<"$scratch/apt.log")" != "$6" ]]; then
        echo "FAIL $1: status $status, stderr [$(<"$scratch/stderr")], apt-get [$(<"$scratch/apt.log")]"
        failures=$((failures + 1))
    fi
}

expect "nothing installed, as root" "" 0 0 "" \
    "apt-get update -qq"$'\n'"apt-get install -y -qq $all"
expect "nothing installed, as a user" "" 1000 1 \
    "Missing packages. Install them with:"$'\n'"  sudo apt-get install -y $all" ""
expect "some installed, as root" "${TRELLION_PACKAGES[*]:2}" 0 0 "" \
    "apt-get update -qq"$'\n'"apt-get install -y -qq ${TRELLION_PACKAGES[*]:0:2}"
expect "everything installed" "$all" 1000 0 "" ""

[[ $failures -eq 0 ]] && echo "all cases pass"
exit $failures
