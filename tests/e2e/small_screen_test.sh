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
read_places
laid_out_on_screen
design_width=$(awk -v f="$QT_SCALE_FACTOR" -v w="$CLIENT_WIDTH" 'BEGIN { printf "%d", w * f + 0.5 }')
design_height=$(awk -v f="$QT_SCALE_FACTOR" -v h="$CLIENT_HEIGHT" 'BEGIN { printf "%d", h * f + 0.5 }')
if [ "$design_height" -le "$SCREEN_HEIGHT" ] && [ "$design_width" -le "$SCREEN_WIDTH" ]; then
    [ "$WIDTH" -ge $((design_width - 1)) ] ||
        fail "window ${WIDTH}x${HEIGHT} shrunk, though ${design_width}x${design_height} fits"
else
    # As large as fits: a few pixels more of height would not.
    [ "$HEIGHT" -ge $((SCREEN_HEIGHT - 4)) ] || fail "window ${WIDTH}x${HEIGHT} smaller than the screen needs"
fi
scaled_buttons_work
echo "small screen at ${QT_SCALE_FACTOR}: ${WIDTH}x${HEIGHT} on ${SCREEN_WIDTH}x${SCREEN_HEIGHT}: ok"
