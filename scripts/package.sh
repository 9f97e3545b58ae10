#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release of Letterfibel and makes its Debian package in build-package/.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
# CPack reads the program's libraries with dpkg-shlibdeps and file.
letterfibel_install_packages "${LETTERFIBEL_PACKAGES[@]}" dpkg-dev file
# The package's folders take their modes from the umask, as with dpkg-buildpackage, which sets
# this one too.
umask 022
build="$LETTERFIBEL_ROOT/build-package"
letterfibel_configure "$build" -DCMAKE_BUILD_TYPE=Release -DLETTERFIBEL_BUILD_TESTS=OFF -DLETTERFIBEL_WERROR=ON
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$build"/letterfibel_*.deb
