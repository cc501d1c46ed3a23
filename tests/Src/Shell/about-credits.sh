#!/usr/bin/env bash
# The About dialog credits every library the app links, besides the C and C++ runtimes.
set -u
app=$1
about=$2
missing=0
for lib in $(readelf -d "$app" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    case $lib in
        libc.so* | libm.so* | libstdc++* | libgcc_s*) continue ;;
        libQt5*) name="Qt 5" ;;
        libfmt*) name="{fmt}" ;;
        libspdlog*) name="spdlog" ;;
        *) name=${lib%%.so*} ;;
    esac
    grep -qF "name: \"$name\"" "$about" || { echo "no credit for $lib"; missing=1; }
done
[ "$missing" -eq 0 ] && echo "every linked library is credited"
exit "$missing"
