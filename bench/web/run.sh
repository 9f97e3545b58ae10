#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the page and runs its benchmarks against the plain baseline page, side by side in one
# headless Chromium; prints the figures the README quotes.
#   bench/web/run.sh [LOADS]   (default 15 cold loads of each page, alternating)
set -euo pipefail
source "$(dirname "$0")/../../scripts/setup.sh"
letterfibel_install_packages "${LETTERFIBEL_WEB_PACKAGES[@]}" "${LETTERFIBEL_WEB_TEST_PACKAGES[@]}"
site=$("$LETTERFIBEL_ROOT/scripts/web.sh" 2>/dev/null | tail -n 1)
baseline=$(mktemp -d)
trap 'rm -rf "$baseline"' EXIT
cp "$LETTERFIBEL_ROOT"/bench/web/baseline/* "$site/letterfibel.css" "$site/griechisch.woff2" "$baseline/"
/usr/bin/python3 "$LETTERFIBEL_ROOT/bench/web/load_bench.py" "$site" "$baseline" "${1:-15}"
