#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program at 150 % (LogPixels 144) on the screen XVFB_SCREEN: where the design
# size fits, the client area is 1112 by 888; on a smaller screen the window is laid out at one
# smaller scale, not below 100 %, and lies on the screen. Clicks at the scaled places work.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session

desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 || fail "could not set LogPixels"
restore_density() {
    wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
    stop_all
}
trap restore_density EXIT

start_app wine
read -r left top width height < <(xwininfo -id "$WINDOW" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
if [ "$screen_height" -ge 1000 ]; then
    [ "$width" = 1112 ] && [ "$height" = 888 ] || fail "client ${width}x${height} at 150 %, expected 1112x888"
else
    [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + width)) -le "$screen_width" ] &&
        [ $((top + height)) -le "$screen_height" ] ||
        fail "client ${width}x${height} at ${left},${top} does not lie on the ${screen_width}x${screen_height} screen"
    [ "$width" -gt 741 ] && [ "$width" -lt 1112 ] ||
        fail "client ${width}x${height}: not between 100 % and 150 %"
    # One scale for both directions, up to the rounding of a pixel.
    [ $((width * 592 - height * 741)) -le 741 ] && [ $((height * 741 - width * 592)) -le 592 ] ||
        fail "client ${width}x${height} is not 741x592 at one scale"
fi

window_before=$(import -window "$WINDOW" rgb:- 2>/dev/null | md5sum)
click_button Kleinbuchstaben
poll 5 eval '[ "$(import -window "$WINDOW" rgb:- 2>/dev/null | md5sum)" != "$window_before" ]' ||
    fail "Kleinbuchstaben at its scaled place changed nothing"
click_button Ende
expect_exit 0 5
echo "win32 scaled screen ${screen_width}x${screen_height}: ${width}x${height}: ok"
