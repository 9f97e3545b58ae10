#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a command needs, when they are missing, and configures a build
# tree. Sourced by run.sh, test.sh and the other scripts.
set -euo pipefail

LETTERFIBEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# What building and running the program needs.
LETTERFIBEL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev qt6-wayland
    fonts-liberation2
)
# What the tests need on top.
LETTERFIBEL_TEST_PACKAGES=(
    libgtest-dev clang-format
    xvfb xdotool x11-utils libx11-dev imagemagick faketime
    dpkg-dev file desktop-file-utils appstream lintian reuse weston iproute2
    at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0 procps
)

# What the Windows program needs: the cross compiler; its tests add Wine, the source of
# GoogleTest, which is built for Windows, and fonttools for stand-ins of Windows faces.
LETTERFIBEL_WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64)
# The Windows Installer package: wixl builds it, msitools' msibuild and faketime make it the same
# in every build.
LETTERFIBEL_INSTALLER_PACKAGES=(wixl msitools faketime)
LETTERFIBEL_WINDOWS_TEST_PACKAGES=("${LETTERFIBEL_INSTALLER_PACKAGES[@]}" wine wine64 googletest binutils-mingw-w64-x86-64 binutils
    clang-format reuse xvfb xdotool x11-utils imagemagick fonttools fonts-liberation2 procps)

# What the page needs: emscripten, and fonttools with Brotli to cut its font down; its tests add
# Chromium with its WebDriver and Firefox ESR; axe-core comes from npm, which some Node packages
# bring along and Debian's own Node leaves to a package of its own.
LETTERFIBEL_WEB_PACKAGES=(cmake ninja-build emscripten nodejs fonts-liberation2 fonttools python3-brotli)
LETTERFIBEL_WEB_TEST_PACKAGES=(chromium chromium-driver python3-selenium firefox-esr
    webkit2gtk-driver python3-websocket imagemagick xvfb xdotool zip unzip procps)
LETTERFIBEL_AXE_VERSION=4.10.2

letterfibel_fail() {
    echo "$*" >&2
    exit 1
}

letterfibel_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local by_hand="apt-get install ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null ||
            letterfibel_fail "Missing Debian packages and no sudo here: as root, run: $by_hand"
        # Without a terminal nobody can type a password.
        [ -t 0 ] || sudo -n true 2>/dev/null ||
            letterfibel_fail "Missing Debian packages and sudo needs a password: run sudo $by_hand"
        sudo=(sudo)
    fi
    echo "Installing missing Debian packages: ${missing[*]}"
    # sudo drops the environment, so the variable goes through env.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q ||
        letterfibel_fail "Could not read the package lists (no network?): connect and run this again, or run: $by_hand"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}" ||
        letterfibel_fail "Could not install ${missing[*]} (no network or no Debian 12 package source?): connect and run this again"
}

# letterfibel_configure BUILD_DIR [cmake options...]. Configuring every time is cheap, mends a
# tree whose first configure failed, and applies options given now. Ninja, unless
# LETTERFIBEL_GENERATOR is set empty: CMake's default generator then, as packagers use it.
letterfibel_configure() {
    local build_dir=$1
    shift
    local generator=()
    [ -z "${LETTERFIBEL_GENERATOR-Ninja}" ] || generator=(-G "${LETTERFIBEL_GENERATOR-Ninja}")
    cmake -S "$LETTERFIBEL_ROOT" -B "$build_dir" "${generator[@]}" "$@" >/dev/null ||
        letterfibel_fail "CMake could not configure $build_dir (see above)"
}
