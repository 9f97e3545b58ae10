#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing the window, or Ende, while the pause after a right answer runs ends the program
# cleanly with exit code 0.
source "$(dirname "$0")/xvfb_session.sh"
: "${WM_DELETE:?path to the wm_delete helper}"

APP_LOG="$E2E_WORK/app.log"
start_app
start_pause
"$WM_DELETE" "$WINDOW"
expect_exit 0 3
[ ! -s "$APP_LOG" ] || { cat "$APP_LOG" >&2; fail "the program wrote to its output while closing"; }

start_app
start_pause
click_button Ende
expect_exit 0 3

start_app
"$WM_DELETE" "$WINDOW"
expect_exit 0 3
echo "close during pause: ok"
