#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Real clicks on the Windows program under Wine: a drill starts, a name is judged in red or
# green; a right answer pauses, and the window stays live and idle meanwhile: names clicked
# during the pause are not judged, the pause ends by itself after two seconds with the next
# letter, and a mode click during the pause starts its drill at once, whose letter is judged at
# once; the window menu opened during the pause (a system modal loop) does not hold the next
# letter back. Ende ends with exit code 0.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session
start_app wine

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# The program's CPU time in clock ticks (1/100 s), user and system.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
feedback_coloured() { region_has_colour ${PLACE[LabelAnzeigeText]} '#(FF0000|00C000)'; }
# A few names in one xdotool call, well inside a pause, then the mouse off the window: no
# message reaches it after.
click_names_quickly() {
    local args=() name x y
    for name in Alpha Omega Phi; do
        read -r x y <<<"${BUTTON[$name]}"
        args+=(mousemove --window "$WINDOW" "$x" "$y" click 1)
    done
    xdotool "${args[@]}" mousemove 0 0
}

frame_before=$(region_hash ${PLACE[Frame1]})
click_button Kleinbuchstaben
region_changes ${PLACE[Frame1]} "$frame_before" 10 || fail "Kleinbuchstaben changed nothing in the frame"

counters_before=$(region_hash ${PLACE[counters]})
click_button Beta
region_changes ${PLACE[counters]} "$counters_before" 5 || fail "a name click changed no counter"
poll 5 feedback_coloured || fail "no red or green feedback after a name click"
# Should Beta have been right, its pause ends first and empties the feedback.
poll 5 eval '! region_has_colour ${PLACE[LabelAnzeigeText]} "#00C000"' || fail "a pause did not end"

# A new drill, then every name in one burst: one of them is right, and its pause runs.
burst_ms=$(now_ms)
start_pause
xdotool mousemove 0 0
poll 5 region_has_colour ${PLACE[LabelAnzeigeText]} '#00C000' || fail "no green feedback for the right name"
cpu_before=$(cpu_ticks)
counters=$(region_hash ${PLACE[counters]})
click_names_quickly
# The pause ends by itself, with nothing happening in the window: the next letter is drawn
# (it may be the same one) and the feedback emptied.
poll 4 eval '! feedback_coloured' || fail "the pause did not end within 4 s of its start"
pause_ms=$(($(now_ms) - burst_ms))
[ "$pause_ms" -ge 1950 ] || fail "the pause ended after ${pause_ms} ms, less than two seconds"
cpu_ms=$((($(cpu_ticks) - cpu_before) * 10))
[ "$cpu_ms" -lt 200 ] || fail "the pause took ${cpu_ms} ms of CPU: it does not sleep"
poll 5 region_has_colour ${PLACE[LabelAnzeige]} '#000000' || fail "no letter on display after the pause"
sleep 0.5
[ "$(region_hash ${PLACE[counters]})" = "$counters" ] ||
    fail "a name clicked during the pause was judged, against the next letter"

# A mode button during the pause starts its drill at once, and its letter is judged at once.
start_pause
poll 5 region_has_colour ${PLACE[LabelAnzeigeText]} '#00C000' || fail "no green feedback for the right name"
frame_before=$(region_hash ${PLACE[Frame1]})
clicked_ms=$(now_ms)
click_button Großbuchstaben
region_changes ${PLACE[Frame1]} "$frame_before" 2 || fail "Grossbuchstaben during the pause changed nothing"
[ $(($(now_ms) - clicked_ms)) -le 800 ] || fail "Grossbuchstaben during the pause took over 0.8 s"
counters_before=$(region_hash ${PLACE[counters]})
clicked_ms=$(now_ms)
click_button Alpha
region_changes ${PLACE[counters]} "$counters_before" 2 || fail "the new drill's letter was not judged"
[ $(($(now_ms) - clicked_ms)) -le 800 ] || fail "judging the new drill's letter took over 0.8 s"

# The window menu's modal loop runs through the end of the pause: the next letter comes anyway.
start_pause
xdotool mousemove 0 0
poll 5 region_has_colour ${PLACE[LabelAnzeigeText]} '#00C000' || fail "no green feedback for the right name"
menu_ms=$(now_ms)
xdotool key --window "$WINDOW" alt+space
sleep 0.5
poll 4 eval '! feedback_coloured' ||
    fail "with the window menu open the pause did not end within 4.5 s"
menu_ms=$(($(now_ms) - menu_ms))
xdotool key Escape
sleep 0.3

click_button Ende
expect_exit 0 3
echo "win32 clicks: ok (pause ${pause_ms} ms, ${cpu_ms} ms of CPU; with the menu open ${menu_ms} ms)"
