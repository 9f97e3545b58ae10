#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Letterfibel and runs every test (installing what they need on Debian 12).
#   ./test.sh              the normal build
#   ./test.sh --sanitize   the same tests with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./test.sh --windows    the Windows program and the engine's tests, cross-built, under Wine
#   ./test.sh --packager   a Release build as a packager makes it (CMake's default generator),
#                          and the release built twice and compared
#   ./test.sh --web        the page, built with emscripten, in headless Chromium and Firefox
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

build="$LETTERFIBEL_ROOT/build"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLETTERFIBEL_WERROR=ON -DLETTERFIBEL_BUILD_TESTS=ON)
packages=("${LETTERFIBEL_PACKAGES[@]}" "${LETTERFIBEL_TEST_PACKAGES[@]}")
case "${1:-}" in
"") ;;
--sanitize)
    build="$LETTERFIBEL_ROOT/build-sanitize"
    options=(-DCMAKE_BUILD_TYPE=Debug -DLETTERFIBEL_SANITIZE=ON -DLETTERFIBEL_WERROR=ON -DLETTERFIBEL_BUILD_TESTS=ON)
    export LSAN_OPTIONS="suppressions=$LETTERFIBEL_ROOT/tests/sanitizers/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ;;
--windows)
    build="$LETTERFIBEL_ROOT/build-windows"
    options=(-DCMAKE_TOOLCHAIN_FILE="$LETTERFIBEL_ROOT/cmake/mingw-w64-x86_64.cmake"
        -DCMAKE_BUILD_TYPE=Release -DLETTERFIBEL_WERROR=ON -DLETTERFIBEL_BUILD_TESTS=ON)
    packages=("${LETTERFIBEL_WINDOWS_PACKAGES[@]}" "${LETTERFIBEL_WINDOWS_TEST_PACKAGES[@]}")
    ;;
--packager)
    build="$LETTERFIBEL_ROOT/build-packager"
    options=(-DCMAKE_BUILD_TYPE=Release -DLETTERFIBEL_WERROR=ON -DLETTERFIBEL_BUILD_TESTS=ON
        -DLETTERFIBEL_REPRODUCIBILITY_TEST=ON)
    packages+=("${LETTERFIBEL_WINDOWS_PACKAGES[@]}" "${LETTERFIBEL_INSTALLER_PACKAGES[@]}"
        "${LETTERFIBEL_WEB_PACKAGES[@]}" zip unzip git openssl osslsigncode)
    LETTERFIBEL_GENERATOR=
    ;;
--web)
    letterfibel_install_packages "${LETTERFIBEL_WEB_PACKAGES[@]}" "${LETTERFIBEL_WEB_TEST_PACKAGES[@]}"
    command -v npm >/dev/null || letterfibel_install_packages npm
    build="$LETTERFIBEL_ROOT/build-web"
    # The accessibility audit, at the version its results were read with.
    if [ ! -f "$build/axe/node_modules/axe-core/package.json" ] ||
        ! grep -q "\"version\": \"$LETTERFIBEL_AXE_VERSION\"" "$build/axe/node_modules/axe-core/package.json"; then
        npm install --prefix "$build/axe" --no-save --no-package-lock --no-audit --no-fund \
            "axe-core@$LETTERFIBEL_AXE_VERSION" >/dev/null ||
            letterfibel_fail "Could not install axe-core $LETTERFIBEL_AXE_VERSION from npm (no network?): connect and run this again"
    fi
    "$LETTERFIBEL_ROOT/scripts/web.sh" -DLETTERFIBEL_BUILD_TESTS=ON >/dev/null
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    exit
    ;;
*)
    echo "usage: $0 [--sanitize | --windows | --packager | --web]" >&2
    exit 2
    ;;
esac

letterfibel_install_packages "${packages[@]}"
letterfibel_configure "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
