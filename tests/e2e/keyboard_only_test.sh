#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every action with Tab, Shift+Tab and Space alone, and a focus ring that shows where the focus is;
# typed letters move it too.
source "$(dirname "$0")/xvfb_session.sh"
start_app
xdotool windowfocus --sync "$WINDOW"
keys() { xdotool key --window "$WINDOW" --delay 30 "$@"; }

# The focus ring is drawn in the highlight colour once the window is active.
poll 5 region_has_colour ${PLACE[CommandEnde]} '#26709E' || fail "no focus ring on Ende at start"
alpha_unfocused=$(region_hash ${PLACE[CommandAl]})
keys Tab
region_changes ${PLACE[CommandAl]} "$alpha_unfocused" || fail "no focus ring on Alpha after Tab"
poll 5 eval '! region_has_colour ${PLACE[CommandEnde]} "#26709E"' || fail "Ende kept its focus ring"

# Alpha -> 14 more names -> Kleinbuchstaben, then Space starts a drill.
frame_before=$(region_hash ${PLACE[Frame1]})
keys $(printf 'Tab %.0s' $(seq 15)) space
region_changes ${PLACE[Frame1]} "$frame_before" || fail "Space on Kleinbuchstaben started no drill"

# Back one to Omega and answer with Space: one of the counters changes.
counters_before=$(region_hash ${PLACE[counters]})
keys shift+Tab space
region_changes ${PLACE[counters]} "$counters_before" || fail "Space on Omega judged nothing"

# Typed letters reach the shared search, and the focus ring follows: "ph" is Phi.
keys p h
poll 5 region_has_colour ${PLACE[CommandPh]} '#26709E' || fail "p and h typed did not reach Phi"

# Phi -> 13 names back -> Alpha -> Ende, and Space ends the program.
keys $(printf 'shift+Tab %.0s' $(seq 14)) space
expect_exit 0 5
echo "keyboard only: ok"
