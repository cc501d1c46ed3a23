# shellcheck shell=bash disable=SC2034  # the lists are used by the scripts that source this file
# Installs the Debian packages the build, the tests and the demo need.
# Usage: source this file, then `ensure_packages [extra packages…]`.

# The QML modules and Qt plugins the app loads without linking them, one list for this set-up and
# the Debian package's dependencies.
mapfile -t TRELLION_LOADED_MODULES <"$(dirname "${BASH_SOURCE[0]}")/../../packaging/loaded-modules.list"

# Building and running the app and the simulator.
TRELLION_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev libqt5svg5-dev
    qttools5-dev qttools5-dev-tools qttranslations5-l10n
    "${TRELLION_LOADED_MODULES[@]}"
    libspdlog-dev libfmt-dev libcpp-httplib-dev libcurl4-openssl-dev libevent-dev zlib1g-dev
)

# Running the tests, besides.
TRELLION_TEST_PACKAGES=(
    qml-module-qttest nginx-light
    xvfb xauth libgl1-mesa-dri
    dbus-daemon dbus-bin at-spi2-core
    clang libclang-rt-dev # the fuzz targets: the compiler, and the libFuzzer and sanitizer run-times
)

# Keeping every core busy while the suite runs (scripts/test-loaded.sh).
TRELLION_LOAD_PACKAGES=(stress-ng)

# Building the Debian packages and checking them.
TRELLION_PACKAGING_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

ensure_packages() {
    local wanted=("${TRELLION_PACKAGES[@]}" "$@") missing=() package installed
    # One query for all of them: this runs before every demo start.
    installed=" $(dpkg-query -W -f='${Package}:${Status} ' "${wanted[@]}" 2>/dev/null || true) "
    for package in "${wanted[@]}"; do
        [[ $installed == *" $package:install ok installed "* ]] || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# Builds into build/ (or $TRELLION_BUILD_DIR) the given targets, or everything when none are given.
# Configures only a build directory that was never configured or was configured differently:
# re-configuring an unchanged tree regenerates the QML resources and so relinks every binary, and
# `cmake --build` re-configures by itself whenever a CMakeLists.txt changes.
# Usage: build_trellion [target…]
build_trellion() {
    local root build
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
    build="${TRELLION_BUILD_DIR:-$root/build}"
    local -a target_options=()
    local target
    for target in "$@"; do
        target_options+=(--target "$target")
    done
    if [ ! -f "$build/build.ninja" ] \
        || ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt" 2>/dev/null \
        || ! grep -qx 'CMAKE_BUILD_TYPE:STRING=RelWithDebInfo' "$build/CMakeCache.txt"; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --parallel "$(nproc)" "${target_options[@]}"
}
