#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM and SIGINT end the program cleanly with exit code 0, also during the pause; a signal
# that the starting process ignores stays ignored.
source "$(dirname "$0")/xvfb_session.sh"

start_app
kill -TERM "$APP_PID"
expect_exit 0 3

# A script's background jobs start with SIGINT ignored; Ctrl-C is meant for the foreground.
start_app env --default-signal=INT
start_pause
kill -INT "$APP_PID"
expect_exit 0 3

start_app env --ignore-signal=INT
kill -INT "$APP_PID"
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "SIGINT ended a program that was started with it ignored"
start_pause
kill -TERM "$APP_PID"
expect_exit 0 3
echo "signals: ok"
