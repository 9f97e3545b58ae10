#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program with Debian's MinGW-w64 (installing it when missing):
# build-windows/letterfibel.exe, one file that needs no DLL beside it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

letterfibel_install_packages "${LETTERFIBEL_WINDOWS_PACKAGES[@]}"
build="$LETTERFIBEL_ROOT/build-windows"
letterfibel_configure "$build" -DCMAKE_TOOLCHAIN_FILE="$LETTERFIBEL_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DLETTERFIBEL_WERROR=ON -DLETTERFIBEL_BUILD_TESTS=OFF
cmake --build "$build" --target letterfibel
cp "$build/win32/letterfibel.exe" "$build/letterfibel.exe"
echo "$build/letterfibel.exe"
