#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine: the window appears with its client size and title, the focus
# is on Ende, and Space right after start ends the program with exit code 0.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
start_app wine
read -r width height < <(xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ "$width" = 741 ] && [ "$height" = 592 ] || fail "client area ${width}x${height}, expected 741x592"
# The focus rectangle is drawn on Ende from the start.
poll 5 region_has_colour 185 33 272 496 '#(000000|0078D7|26A0DA)' || fail "Ende shows no focus"
xdotool windowfocus --sync "$WINDOW" key space
expect_exit 0 10
echo "win32 window: ok"
