#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine: the window appears with its client size; the focus starts
# on Ende and moves with Tab and Shift+Tab; it comes back to its button when another window has
# been active meanwhile; Return does nothing; Space on Ende ends the program with exit code 0;
# the window asks for its focus rectangle from the start.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session
start_app wine
read -r width height < <(xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ "$width" = "$CLIENT_WIDTH" ] && [ "$height" = "$CLIENT_HEIGHT" ] ||
    fail "client area ${width}x${height}, expected ${CLIENT_WIDTH}x${CLIENT_HEIGHT}"
xdotool windowfocus --sync "$WINDOW"

ende_focused=$(region_hash ${PLACE[CommandEnde]})
alpha_unfocused=$(region_hash ${PLACE[CommandAl]})
xdotool key Tab
region_changes ${PLACE[CommandAl]} "$alpha_unfocused" || fail "Tab did not move the focus to Alpha"
region_differs ${PLACE[CommandEnde]} "$ende_focused" || fail "Ende kept its focus after Tab"

# Another window takes the activation; a click on the bare window brings it back, and with it
# the focus to Alpha, where Space judges the name (wrong before any drill).
: "${GLYPH_SHEET:?path to glyph_sheet.exe}"
program_window=$WINDOW
wine "$GLYPH_SHEET" "${GLYPH[Alpha]}" >/dev/null 2>&1 &
sheet=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Glyphen$' >/dev/null || fail "no other window"
sleep 0.5
click 300 20
sleep 0.5
kill "$sheet"
wait "$sheet" 2>/dev/null || true
WINDOW=$program_window
falsch_before=$(region_hash ${PLACE[LabelFalsch]})
xdotool key space
region_changes ${PLACE[LabelFalsch]} "$falsch_before" ||
    fail "after the window was activated again, Space did not reach Alpha"
xdotool key shift+Tab
poll 5 eval '! region_differs ${PLACE[CommandEnde]} "$ende_focused"' || fail "Shift+Tab did not go back to Ende"

frame_before=$(region_hash ${PLACE[Frame1]})
xdotool key Return
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "Return ended the program"
! region_differs ${PLACE[Frame1]} "$frame_before" || fail "Return changed the window"

xdotool key space
expect_exit 0 10

# Wine draws the focus rectangle whatever the window asks; Windows only once it is asked to.
: "${FOCUS_CUE_PROBE:?path to focus_cue_probe.exe}"
APP_LOG="$E2E_WORK/probe.log" LETTERFIBEL_BINARY=$FOCUS_CUE_PROBE start_app wine
click_button Ende
expect_exit 0 5
grep -q 'focus rectangle from the start: yes' "$E2E_WORK/probe.log" ||
    fail "the window did not ask for its focus rectangle before it was shown: $(cat "$E2E_WORK/probe.log")"
echo "win32 window: ok"
