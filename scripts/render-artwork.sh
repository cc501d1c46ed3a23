#!/usr/bin/env bash
# Re-renders every PNG under images/ from its SVG source under artwork/ (same relative path), and
# the desktop icon's PNGs under packaging/icons/ from the SVG beside them.
# The PNGs are kept in the repository, so building the app needs no renderer; run this after
# changing a source and keep the PNGs it writes.
#
# Needs rsvg-convert (Debian package librsvg2-bin).
#
#   scripts/render-artwork.sh           render everything
#   scripts/render-artwork.sh --check   render into a scratch folder and report PNGs that differ
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# Output size of every PNG, width x height in pixels (the size the app shows it at). The background
# is a linear gradient, which stretching reproduces exactly, so a small one is decoded in no time.
sizes='
Background                    64x48
BackgroundPattern             64x64
DeleteDialogIcon              96x96
DeleteIcon                    32x32
EditIcon                      32x32
Floating                      56x56
FullScreen                    160x100
LogoutIcon                    40x40
NegativeCheck                 24x24
PositiveCheck                 24x24
Refresh                       56x56
RotateIcon                    40x40
SaveCreateDialogIcon          96x96
SaveIcon                      40x40
SideBySide                    160x100
chevron                       16x16
firstux/CreateFirstUX1        640x400
firstux/CreateFirstUX2        640x400
firstux/CreateFirstUX3        640x400
firstux/RouteFirstUX1         560x340
firstux/RouteFirstUX2         560x340
icons/DisplayYellowMask       30x18
icons/ProjectorYellowMask     30x18
icons/PrimaryFlatScreenMask   100x60
icons/PlusIconDark            40x40
icons/MinusIconDark           40x40
icons/RotateLeftIconDark      40x40
icons/RotateRightIconDark     40x40
icons/TrashIconRed            40x40
icons/PlusIconLight           20x20
icons/MinusWhite              20x20
icons/Kabab2                  24x24
teamblock/ConnectionError     150x177
'
# Pictograms that come in two sizes: NAME is 32x32, NAMESmall is 20x20.
for name in Break Clock Collaborate ExclamationMark EyesFront GeneralMessage RaisedHand Question \
            Quiet Remember ThumbUp Walk AddNew PrimarytoAll BannersShow BannersHide Reset Exit; do
    sizes+="icons/$name 32x32"$'\n'"icons/${name}Small 20x20"$'\n'
done

command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }

check=false
[[ "${1:-}" == "--check" ]] && check=true
if $check; then
    out_root="$(mktemp -d)"
    trap 'rm -rf "$out_root"' EXIT
fi

# Every source needs a size, and every size a source.
status=0
while IFS= read -r src; do
    name="${src#artwork/}"; name="${name%.svg}"
    grep -qE "^$name +[0-9]+x[0-9]+$" <<<"$sizes" || { echo "no size listed for $src" >&2; status=1; }
done < <(find artwork -name '*.svg' | sort)

# A screen mask must be exactly the screen rectangle of its icon.
for icon in DisplayYellow ProjectorYellow PrimaryFlatScreen; do
    geometry() { grep -o '<rect id="screen"[^>]*' "$1" | grep -oE '(x|y|width|height|rx)="[^"]*"'; }
    if [[ "$(geometry images/icons/$icon.svg)" != "$(geometry artwork/icons/${icon}Mask.svg)" ]]; then
        echo "artwork/icons/${icon}Mask.svg does not match the screen of images/icons/$icon.svg" >&2
        status=1
    fi
done

count=0
# render SOURCE WIDTHxHEIGHT PNG: writes PNG, or with --check compares a scratch rendering with it.
render() {
    local out=$3
    $check && out="$out_root/$3"
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "${2%x*}" --height "${2#*x}" --format png --output "$out" "$1"
    if $check && ! cmp -s "$out" "$3"; then
        echo "differs from its source: $3" >&2
        status=1
    fi
    count=$((count + 1))
}

while read -r name size; do
    [[ -z "$name" ]] && continue
    src="artwork/$name.svg"
    [[ -f "$src" ]] || { echo "missing source $src" >&2; status=1; continue; }
    render "$src" "$size" "images/$name.png"
done <<<"$sizes"

# The desktop icon, at the sizes the menu's icon theme asks for.
icon=packaging/icons/example.norvane.Trellion
for size in 48 128 256; do
    render "$icon.svg" "${size}x$size" "$icon-$size.png"
done

if [[ $status -eq 0 ]]; then
    $check && echo "all $count PNGs match their sources" || echo "rendered $count PNGs"
fi
exit $status
