#!/usr/bin/env bash
# The focus starts on Ende, so Space right after start ends the program.
source "$(dirname "$0")/xvfb_session.sh"
start_app
xdotool windowfocus --sync "$WINDOW"
sleep 0.2
xdotool key --window "$WINDOW" space
expect_exit 0
echo "space ends: ok"
