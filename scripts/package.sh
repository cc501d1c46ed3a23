#!/usr/bin/env bash
# Builds the Debian packages trellion_<version>_amd64.deb and trellion-sim_<version>_amd64.deb into
# build-package/ (or $TRELLION_PACKAGE_BUILD_DIR) from a build without tests, with Debian's
# hardening flags. Installs missing Debian packages first. Arguments go to CMake, for the
# deployment values: scripts/package.sh -DTRELLION_AUTH_URL=… -DTRELLION_BACKEND_URL=…
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/packages.sh"

ensure_packages "${TRELLION_PACKAGING_PACKAGES[@]}"
build="${TRELLION_PACKAGE_BUILD_DIR:-$root/build-package}"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
cpack
