#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# wine_prefix.sh create|remove: a fresh Wine prefix at $WINEPREFIX for the tests of one run.
set -euo pipefail
: "${WINEPREFIX:?the prefix to make or remove}"
case "${1:-}" in
create)
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    [ -d "$WINEPREFIX/drive_c/windows" ] || { echo "FAIL: wineboot made no prefix" >&2; exit 1; }
    ;;
remove)
    wineserver --kill 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
*)
    echo "usage: wine_prefix.sh create|remove" >&2
    exit 2
    ;;
esac
