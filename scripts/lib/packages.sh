# Installs the Debian packages the build, the tests and the demo need.
# Usage: source this file, then `ensure_packages [extra packages…]`.

TRELLION_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev libqt5svg5-dev
    qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-layouts
    qml-module-qtquick-window2 qml-module-qtquick-shapes qml-module-qtgraphicaleffects
    qml-module-qtquick-templates2 qml-module-qttest
    libspdlog-dev libfmt-dev libcpp-httplib-dev
    xvfb xauth libgl1-mesa-dri
)

ensure_packages() {
    local wanted=("${TRELLION_PACKAGES[@]}" "$@") missing=() package
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
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

# Configures and builds into build/ (or $TRELLION_BUILD_DIR).
build_trellion() {
    local root build
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
    build="${TRELLION_BUILD_DIR:-$root/build}"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build" --parallel "$(nproc)"
}
