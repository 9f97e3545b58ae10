#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Real clicks at the buttons' positions change what the window shows.
source "$(dirname "$0")/xvfb_session.sh"
start_app

frame_before=$(region_hash ${PLACE[Frame1]})
click_button Kleinbuchstaben
region_changes ${PLACE[Frame1]} "$frame_before" || fail "Kleinbuchstaben changed nothing in the frame"

counters_before=$(region_hash ${PLACE[counters]})
click_button Beta
region_changes ${PLACE[counters]} "$counters_before" || fail "a name click changed no counter"
# The feedback is the right name in red, or Beta in green.
poll 5 region_has_colour ${PLACE[LabelAnzeigeText]} '#(FF0000|00C000)' ||
    fail "no red or green feedback text after a name click"

click_button Ende
expect_exit 0
echo "clicks: ok"
