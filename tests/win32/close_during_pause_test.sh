#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing the Windows program (Alt+F4) or Ende while the pause after a right answer runs ends
# it with exit code 0.
source "$(dirname "$0")/../e2e/xvfb_session.sh"

start_app wine
start_pause
xdotool windowfocus --sync "$WINDOW" key alt+F4
expect_exit 0 10

start_app wine
start_pause
click_button Ende
expect_exit 0 10
echo "win32 close during pause: ok"
