#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the page with Debian's emscripten (installing what it needs when missing) into
# build-web/; its last line is the folder that holds index.html, ready for any static web host.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

letterfibel_install_packages "${LETTERFIBEL_WEB_PACKAGES[@]}"
# Debian's Node keeps acorn, which emscripten's optimizer loads, outside its default path.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
build="$LETTERFIBEL_ROOT/build-web"
emcmake cmake -S "$LETTERFIBEL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DLETTERFIBEL_WERROR=ON -DLETTERFIBEL_BUILD_TESTS=OFF "$@" >/dev/null ||
    letterfibel_fail "CMake could not configure $build (see above)"
cmake --build "$build" >&2
echo "$build/web/site"
