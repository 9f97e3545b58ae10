#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Letterfibel (installing what it needs on Debian 12) and starts it.
#   ./run.sh         the program in a window
#   ./run.sh --web   the page, served on this machine only (127.0.0.1), in the default browser
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

if [ "${1:-}" = --web ]; then
    site=$("$LETTERFIBEL_ROOT/scripts/web.sh" | tail -n 1)
    letterfibel_install_packages python3
    exec 3< <(exec /usr/bin/python3 "$LETTERFIBEL_ROOT/scripts/serve_web.py" "$site" "${LETTERFIBEL_PORT:-0}")
    server=$!
    trap 'kill "$server" 2>/dev/null' EXIT INT TERM
    read -r address <&3
    echo "Letterfibel läuft unter $address (Strg+C beendet den Server)."
    if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && command -v xdg-open >/dev/null; then
        xdg-open "$address" >/dev/null 2>&1 || true
    fi
    wait "$server"
    exit
fi
[ -z "${1:-}" ] || { echo "usage: $0 [--web]" >&2; exit 2; }

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
