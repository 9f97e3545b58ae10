#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program where its controls cannot be created: its German message stays on screen until
# it is answered, and then the program ends with exit code 1.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session
: "${FAILING_CONTROLS:?path to failing_controls.exe}"

wine "$FAILING_CONTROLS" >/dev/null 2>&1 &
APP_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Letterfibel$' | head -n 1) ||
    fail "no message appeared"
sleep 1
xdotool search --onlyvisible --name '^Letterfibel$' >/dev/null || fail "the message closed by itself"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before its message was answered"
xdotool windowfocus --sync "$WINDOW" key Return
expect_exit 1 5
echo "win32 window creation failure: ok"
