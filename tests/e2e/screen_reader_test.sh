#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader is told: the real program on a private accessibility bus, real keys.
source "$(dirname "$0")/xvfb_session.sh"
: "${LETTERFIBEL_BINARY:?path to the letterfibel binary}"
# Debian's python3 has the AT-SPI bindings; another python3 earlier on PATH may not.
LETTER_NAMES="${NAMES[*]}" timeout 120 dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader_check.py" \
    "$LETTERFIBEL_BINARY"
