#!/usr/bin/env bash
# SIGTERM and SIGINT end the program cleanly with exit code 0, also during the pause.
source "$(dirname "$0")/xvfb_session.sh"

start_app
kill -TERM "$APP_PID"
expect_exit 0 3

start_app
start_pause
kill -INT "$APP_PID"
expect_exit 0 3

start_app
start_pause
kill -TERM "$APP_PID"
expect_exit 0 3
echo "signals: ok"
