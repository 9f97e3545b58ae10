#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing the Windows program (Alt+F4) or Ende while the pause after a right answer runs ends
# it at once with exit code 0. Under Wine without a window manager a process takes about two
# seconds to end after its window has closed; a pause that held the close back would add two.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session

start_app wine
start_pause
xdotool windowfocus --sync "$WINDOW" key alt+F4
expect_exit 0 3

start_app wine
start_pause
click_button Ende
expect_exit 0 3
echo "win32 close during pause: ok"
