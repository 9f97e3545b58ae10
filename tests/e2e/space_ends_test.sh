#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The focus starts on Ende, so Space right after start ends the program.
source "$(dirname "$0")/xvfb_session.sh"
start_app
xdotool windowfocus --sync "$WINDOW"
poll 5 region_has_colour ${PLACE[CommandEnde]} '#26709E' || fail "Ende has no focus ring"
xdotool key --window "$WINDOW" space
expect_exit 0
echo "space ends: ok"
