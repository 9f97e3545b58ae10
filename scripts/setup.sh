#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing, and
# configures the build tree. Sourced by run.sh and test.sh.
set -euo pipefail

LETTERFIBEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LETTERFIBEL_PACKAGES=(
    cmake ninja-build g++ pkg-config dpkg-dev clang-format
    qt6-base-dev libgl-dev qt6-qpa-plugins
    libgtest-dev libbenchmark-dev
    fonts-liberation2
    xvfb xdotool x11-utils libx11-dev imagemagick
    desktop-file-utils appstream
)

letterfibel_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing missing Debian packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# letterfibel_configure BUILD_DIR [cmake options...]
letterfibel_configure() {
    local build_dir=$1
    shift
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$LETTERFIBEL_ROOT" -B "$build_dir" -G Ninja "$@"
    fi
}
