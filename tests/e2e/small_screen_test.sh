#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a 1366x768 screen scaled by QT_SCALE_FACTOR (1.25, 1.5): the window lays out at
# the largest scale, down to 100 %, at which it fits the screen, as the Windows program does,
# one scale for both directions; "Ende", clicked where it is drawn, ends the program.
source "$(dirname "$0")/xvfb_session.sh"
: "${QT_SCALE_FACTOR:?the scale of the screen}"
export QT_SCALE_FACTOR

start_app
read -r left top width height < <(xwininfo -id "$WINDOW" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + width)) -le "$screen_width" ] &&
    [ $((top + height)) -le "$screen_height" ] ||
    fail "window ${width}x${height} at ${left},${top} does not lie on the ${screen_width}x${screen_height} screen"
design_width=$(awk -v f="$QT_SCALE_FACTOR" 'BEGIN { printf "%d", 741 * f + 0.5 }')
design_height=$(awk -v f="$QT_SCALE_FACTOR" 'BEGIN { printf "%d", 592 * f + 0.5 }')
if [ "$design_height" -le "$screen_height" ] && [ "$design_width" -le "$screen_width" ]; then
    [ "$width" -ge $((design_width - 1)) ] || fail "window ${width}x${height} shrunk, though ${design_width}x${design_height} fits"
else
    # As large as fits: a pixel more of height would not.
    [ "$height" -ge $((screen_height - 4)) ] || fail "window ${width}x${height} smaller than the screen needs"
fi
[ "$width" -ge 741 ] || fail "window ${width}x${height} below 100 %"
[ $((width * 592 - height * 741)) -le 1482 ] && [ $((height * 741 - width * 592)) -le 1184 ] ||
    fail "window ${width}x${height} is not 741x592 at one scale"

window_before=$(import -window "$WINDOW" rgb:- 2>/dev/null | md5sum)
click_button Kleinbuchstaben
poll 5 eval '[ "$(import -window "$WINDOW" rgb:- 2>/dev/null | md5sum)" != "$window_before" ]' ||
    fail "Kleinbuchstaben at its scaled place changed nothing"
click_button Ende
expect_exit 0 5
echo "small screen at ${QT_SCALE_FACTOR}: ${width}x${height} on ${screen_width}x${screen_height}: ok"
