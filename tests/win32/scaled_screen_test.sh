#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program at 150 % (LogPixels 144) on the screen XVFB_SCREEN: where the design
# size fits, the client area is 1112 by 888; on a smaller screen the window is laid out at one
# smaller scale, not below 100 %, and lies on the screen, also when it was asked to open where
# its lower part would not. Clicks at the scaled places work.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session

desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 || fail "could not set LogPixels"
restore_density() {
    wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
    stop_all
}
trap restore_density EXIT

# On the small screen the window is asked to open low, where its lower part would lie below the
# screen: it must be moved up into the work area.
read -r screen_height < <(xwininfo -root | awk '/Height:/ {print $2}')
if [ "$screen_height" -ge 1000 ]; then
    start_app wine
else
    : "${START_AT:?path to start_at.exe}"
    start_app wine "$START_AT" 200 300
fi
read_places
if [ "$SCREEN_HEIGHT" -ge 1000 ]; then
    [ "$WIDTH" = 1112 ] && [ "$HEIGHT" = 888 ] || fail "client ${WIDTH}x${HEIGHT} at 150 %, expected 1112x888"
else
    laid_out_on_screen
    [ "$WIDTH" -lt 1112 ] || fail "client ${WIDTH}x${HEIGHT}: not below 150 %"
fi
scaled_buttons_work
echo "win32 scaled screen ${SCREEN_WIDTH}x${SCREEN_HEIGHT}: ${WIDTH}x${HEIGHT}: ok"
