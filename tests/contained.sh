#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# contained.sh SECONDS COMMAND...: runs a test in a process group of its own (timeout makes one)
# and ends that group when the test ends, however it ends, or when it runs past SECONDS. A
# browser, X server or test host left behind would hold CTest's output pipe open past its limit.
set -uo pipefail
limit=$1
shift
timeout --kill-after=5 "$limit" "$@" &
group=$!
trap 'kill -TERM -- "-$group" 2>/dev/null' TERM INT HUP
wait "$group"
code=$?
[ "$code" -ne 124 ] && [ "$code" -ne 137 ] || echo "FAIL: the test ran past $limit s and was ended" >&2
left=$(ps -e -o pid=,pgid=,stat=,args= | awk -v group="$group" '$2 == group && $3 !~ /^Z/')
if [ -n "$left" ]; then
    echo "The test left these running; they are ended now:" >&2
    echo "$left" >&2
    kill -TERM -- "-$group" 2>/dev/null
    sleep 1
    kill -KILL -- "-$group" 2>/dev/null
fi
exit "$code"
