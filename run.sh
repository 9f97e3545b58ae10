#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Letterfibel (installing what it needs on Debian 12) and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

# Before anything is installed or built: without a screen there is nothing to show it on.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Kein Bildschirm gefunden (DISPLAY und WAYLAND_DISPLAY sind leer): starten Sie $0 in einer grafischen Sitzung (X11 oder Wayland)." >&2
    exit 1
fi

letterfibel_install_packages "${LETTERFIBEL_PACKAGES[@]}"
build="$LETTERFIBEL_ROOT/build"
letterfibel_configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLETTERFIBEL_BUILD_TESTS=OFF
cmake --build "$build" --target letterfibel
exec "$build/app/letterfibel"
