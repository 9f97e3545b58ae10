#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Real clicks at the buttons' positions change what the window shows.
source "$(dirname "$0")/xvfb_session.sh"
start_app

frame_before=$(region_hash 649 89 40 120)
click_button Kleinbuchstaben
region_changes 649 89 40 120 "$frame_before" || fail "Kleinbuchstaben changed nothing in the frame"

counters_before=$(region_hash 105 57 544 144)
click_button Beta
region_changes 105 57 544 144 "$counters_before" || fail "a name click changed no counter"
# The feedback is the right name in red, or Beta in green.
poll 5 region_has_colour 241 49 320 152 '#(FF0000|00C000)' ||
    fail "no red or green feedback text after a name click"

click_button Ende
expect_exit 0
echo "clicks: ok"
