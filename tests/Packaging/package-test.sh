#!/usr/bin/env bash
# Builds the Debian packages from this build tree, checks their metadata, file lists, menu entry,
# AppStream data and lintian's verdict, then runs the programs unpacked from them.
# Usage: package-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
app="$scratch/out/trellion_${version}_amd64.deb"
sim="$scratch/out/trellion-sim_${version}_amd64.deb"
[[ -f $app && -f $sim ]] || { echo "FAIL: packages not built:" "$scratch"/out/*.deb; exit 1; }

# expect_field DEB FIELD PATTERN (a glob)
# shellcheck disable=SC2053
expect_field() {
    [[ "$(dpkg-deb -f "$1" "$2")" == $3 ]] || fail "${1##*/} $2 is [$(dpkg-deb -f "$1" "$2")], not $3"
}
expect_field "$app" Package trellion
expect_field "$sim" Package trellion-sim
expect_field "$app" Version "$version"
expect_field "$app" Architecture amd64
expect_field "$app" Depends "*libqt5quick5*"
expect_field "$sim" Depends "*libqt5gui5*"
expect_field "$sim" Depends "*libevent-extra*"
while read -r module; do
    expect_field "$app" Depends "*$module*"
done <"$source/packaging/loaded-modules.list"

# expect_files DEB PATH…: the package holds every PATH, and nothing outside /usr.
expect_files() {
    local deb=$1 path listing
    listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
    shift
    for path in "$@"; do
        grep -qx "./usr/$path" <<<"$listing" || fail "${deb##*/} lacks /usr/$path"
    done
    ! grep -v -e '^\./$' -e '^\./usr/' <<<"$listing" || fail "${deb##*/} installs outside /usr"
}
icons=share/icons/hicolor
expect_files "$app" bin/trellion share/man/man1/trellion.1.gz \
    share/applications/example.norvane.Trellion.desktop share/metainfo/example.norvane.Trellion.metainfo.xml \
    $icons/scalable/apps/example.norvane.Trellion.svg $icons/48x48/apps/example.norvane.Trellion.png \
    $icons/128x128/apps/example.norvane.Trellion.png $icons/256x256/apps/example.norvane.Trellion.png \
    share/doc/trellion/Trellion.conf.example share/doc/trellion/Trellion-managed.conf.example \
    share/doc/trellion/copyright share/doc/trellion/changelog.gz
expect_files "$sim" bin/trellion-sim bin/trellion-demo share/man/man1/trellion-sim.1.gz \
    share/trellion-sim/demo/config.json share/trellion-sim/demo/classrooms.json \
    share/man/man1/trellion-demo.1.gz share/doc/trellion-sim/copyright share/doc/trellion-sim/changelog.gz

lintian --fail-on error "$app" "$sim" >"$scratch/lintian.log" 2>&1 \
    || fail "lintian: $(cat "$scratch/lintian.log")"

root="$scratch/root"
dpkg-deb -x "$app" "$root"
dpkg-deb -x "$sim" "$root"
desktop-file-validate "$root/usr/share/applications/example.norvane.Trellion.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.norvane.Trellion.metainfo.xml" >/dev/null \
    || fail "AppStream metadata: $(appstreamcli validate --no-net "$root/usr/share/metainfo/example.norvane.Trellion.metainfo.xml")"
zgrep -q 'self\\-test' "$root/usr/share/man/man1/trellion.1.gz" || fail "trellion(1) lacks --self-test"
for section in ENVIRONMENT FILES 'SEE ALSO'; do
    zgrep -q "^\.SH $section" "$root/usr/share/man/man1/trellion.1.gz" || fail "trellion(1) lacks $section"
done
zgrep -q 'list\\-accounts' "$root/usr/share/man/man1/trellion-sim.1.gz" || fail "trellion-sim(1) lacks --list-accounts"

# The self-test as a configuration tool runs it over SSH: no display, the administrator's file in a
# folder of XDG_CONFIG_DIRS. It names the file as the source of each address it holds.
mkdir -p "$scratch/xdg/Norvane"
conf="$scratch/xdg/Norvane/Trellion.conf"
printf '[Deployment]\nauthUrl = https://auth.school.example\nbackendUrl = https://rooms.school.example\n' >"$conf"
self_test() { env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_DIRS="$1" "$root/usr/bin/trellion" --self-test >"$scratch/app.log" 2>&1; }
self_test "$scratch/xdg" || fail "trellion --self-test with $conf: $(tail -5 "$scratch/app.log")"
for line in "authUrl [auth.school.example]" "backendUrl [rooms.school.example]"; do
    grep -qxF "Deployment: $line from $conf" "$scratch/app.log" \
        || fail "trellion --self-test does not name $conf for $line: $(grep Deployment: "$scratch/app.log")"
done
# Without the file nothing tells it where to sign in.
if self_test "$scratch/no-such-folder"; then
    fail "trellion --self-test passes without service addresses"
fi
for key in authUrl backendUrl; do
    grep -q "$key is not set" "$scratch/app.log" || fail "trellion --self-test does not name $key as missing"
done
"$root/usr/bin/trellion-sim" --help | grep -q -- --config || fail "trellion-sim --help"
"$root/usr/bin/trellion-sim" --config "$root/usr/share/trellion-sim/demo/config.json" --list-accounts \
    | grep -q editor@trellion.example || fail "trellion-sim cannot read the installed demo classrooms"

[[ $failures -eq 0 ]] && echo "packages pass"
exit $failures
