#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM, SIGINT and SIGHUP end the program cleanly, also during the pause, and then as the
# signal, so that the shell sees 143, 130 and 129; a signal that the starting process ignores
# stays ignored. A teardown that hangs after "Ende" or a signal is cut short after 3 s, with
# the same exit code and one line that says so.
source "$(dirname "$0")/xvfb_session.sh"

start_app
kill -TERM "$APP_PID"
expect_exit 143 3

# Ctrl-C in a shell loop that runs the program, during a pause: the terminal sends SIGINT to
# the whole foreground group, and the shell stops the loop only when the program died of it.
# (A script's background jobs start with SIGINT ignored, so the loop gets it back.)
setsid env --default-signal=INT bash -c 'while :; do "$0"; done' "$LETTERFIBEL_BINARY" \
    >/dev/null 2>&1 &
loop=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Letterfibel$' | head -n 1) ||
    fail "the window of the looped program did not appear"
poll 10 region_has_colour ${PLACE[Label1]} '#000000' || fail "the looped program was not painted"
start_pause
kill -INT -- "-$loop"
poll 5 eval '! kill -0 "$loop" 2>/dev/null' || {
    kill -KILL -- "-$loop" 2>/dev/null || true
    fail "Ctrl-C did not stop a shell loop running the program"
}

start_app
start_pause
kill -HUP "$APP_PID"
expect_exit 129 3

start_app env --ignore-signal=INT
kill -INT "$APP_PID"
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "SIGINT ended a program that was started with it ignored"
start_pause
kill -TERM "$APP_PID"
expect_exit 143 3

if [ -n "${HANGING_TEARDOWN:-}" ]; then
    KNOWN_TEARDOWN_HANG="preloaded"
    for ending in signal Ende; do
        start_app env LD_PRELOAD="$HANGING_TEARDOWN"
        if [ "$ending" = signal ]; then kill -TERM "$APP_PID"; else click_button Ende; fi
        expect_exit "$([ "$ending" = signal ] && echo 143 || echo 0)" 8
    done
    [ "$TEARDOWN_OVERRUNS" -eq 2 ] || fail "a hanging teardown ended without saying so"
fi
echo "signals: ok"
