#!/usr/bin/env bash
# Real clicks at the buttons' positions change what the window shows.
source "$(dirname "$0")/xvfb_session.sh"
start_app

frame_before=$(region_hash 649 89 40 120)
click_button Kleinbuchstaben
sleep 0.2
[ "$(region_hash 649 89 40 120)" != "$frame_before" ] || fail "Kleinbuchstaben changed nothing in the frame"

counters_before=$(region_hash 105 57 544 144)
click_button Beta
sleep 0.2
[ "$(region_hash 105 57 544 144)" != "$counters_before" ] || fail "a name click changed no counter"
# The feedback is the right name in red, or Beta in green.
colours=$(import -window "$WINDOW" -crop 241x49+320+152 -depth 8 txt:- 2>/dev/null | grep -c -E '#(FF0000|00C000)' || true)
[ "$colours" -gt 20 ] || fail "no red or green feedback text after a name click"

click_button Ende
expect_exit 0
echo "clicks: ok"
