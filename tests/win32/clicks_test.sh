#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Real clicks on the Windows program under Wine: a drill starts, a name is judged in red or
# green, a right answer pauses and the next letter follows, and Ende ends with exit code 0.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
start_app wine

frame_before=$(region_hash 649 89 40 120)
click_button Kleinbuchstaben
region_changes 649 89 40 120 "$frame_before" 10 || fail "Kleinbuchstaben changed nothing in the frame"

counters_before=$(region_hash 105 57 544 144)
click_button Beta
region_changes 105 57 544 144 "$counters_before" 5 || fail "a name click changed no counter"
poll 5 region_has_colour 241 49 320 152 '#(FF0000|00C000)' ||
    fail "no red or green feedback after a name click"

# Should Beta have been right, its pause ends first and empties the feedback.
poll 5 eval '! region_has_colour 241 49 320 152 "#00C000"' || fail "a pause did not end"
# A new drill, then every name in one burst: one of them is right, and its pause runs.
burst_ms=$(($(date +%s%N) / 1000000))
start_pause
poll 5 region_has_colour 241 49 320 152 '#00C000' || fail "no green feedback for the right name"
# The pause ends with the next letter drawn (it may be the same one) and the feedback emptied.
poll 8 eval '! region_has_colour 241 49 320 152 "#(FF0000|00C000)"' ||
    fail "the feedback was not emptied after the pause"
# The right click came after the burst began, so the pause cannot end sooner than two
# seconds after that.
[ $(($(date +%s%N) / 1000000 - burst_ms)) -ge 1950 ] ||
    fail "the pause ended after less than two seconds"
poll 5 region_has_colour 73 49 192 144 '#000000' || fail "no letter on display after the pause"

click_button Ende
expect_exit 0 10
echo "win32 clicks: ok"
