#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The pause's timer goes off once. Closing the Windows program (Alt+F4) or Ende while the pause
# after a right answer runs ends it at once with exit code 0. Under Wine without a window
# manager a process takes about two seconds to end after its window has closed; a pause that
# held the close back would add two.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session

# The pause is one shot: its timer wakes the program once, not every two seconds after. Wine
# logs each message the window is handed.
APP_LOG="$E2E_WORK/messages.log"
start_app env WINEDEBUG=+message wine
start_pause
xdotool mousemove 0 0
sleep 7
timers=$(grep -c 'L"Letterfibel" *\[0113\] WM_TIMER dispatched  wp=00000001' "$APP_LOG" || true)
[ "$timers" -eq 1 ] ||
    fail "the pause's timer went off $timers times in the 7 s after a right answer, not once"
click_button Ende
expect_exit 0 3
APP_LOG=/dev/null

start_app wine
start_pause
xdotool windowfocus --sync "$WINDOW" key alt+F4
expect_exit 0 3

start_app wine
start_pause
click_button Ende
expect_exit 0 3
echo "win32 close during pause: ok"
