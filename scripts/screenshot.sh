#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the real window under Xvfb, during a drill after a wrong click.
#   scripts/screenshot.sh [OUTPUT.png]   (default: docs/letterfibel.png)
# Set QT_SCALE_FACTOR to see the window scaled.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
letterfibel_install_packages xvfb xdotool x11-utils imagemagick
root=$LETTERFIBEL_ROOT
output=$(realpath -m "${1:-$root/docs/letterfibel.png}")
export LETTERFIBEL_BINARY="${LETTERFIBEL_BINARY:-$root/build/app/letterfibel}"
[ -x "$LETTERFIBEL_BINARY" ] || { echo "Build first: ./run.sh or ./test.sh" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
# Room for a window scaled by 2.
export XVFB_SCREEN=2000x1400x24
source "$root/tests/e2e/xvfb_session.sh"

start_app
scale=${QT_SCALE_FACTOR:-1}
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }
for name in Kleinbuchstaben Alpha Beta; do
    read -r x y <<<"${BUTTON[$name]}"
    click "$(scaled "$x")" "$(scaled "$y")"
    sleep 0.2
done
import -window "$WINDOW" "$output"
echo "$output"
