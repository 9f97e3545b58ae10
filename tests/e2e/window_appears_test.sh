#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window appears with its fixed client size and title, opens no port, and Ende ends it
# with exit code 0.
source "$(dirname "$0")/xvfb_session.sh"
start_app
read -r width height < <(xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ "$width" = "$CLIENT_WIDTH" ] && [ "$height" = "$CLIENT_HEIGHT" ] ||
    fail "client area ${width}x${height}, expected ${CLIENT_WIDTH}x${CLIENT_HEIGHT}"
# The program opens no network port of any kind.
listening=$(ss -H -l -n -t -u -p 2>/dev/null | grep "pid=$APP_PID," || true)
[ -z "$listening" ] || fail "the program listens on the network: $listening"
click_button Ende
expect_exit 0
echo "window appears: ok"
