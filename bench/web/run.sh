#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the page and runs its benchmarks against the plain baseline page, side by side in one
# headless Chromium, then Lighthouse on both; prints the figures the README quotes.
#   bench/web/run.sh [LOADS [RUNS]]   (default 15 cold loads and 5 Lighthouse runs of each page,
#                                      alternating)
set -euo pipefail
source "$(dirname "$0")/../../scripts/setup.sh"
letterfibel_install_packages "${LETTERFIBEL_WEB_PACKAGES[@]}" "${LETTERFIBEL_WEB_TEST_PACKAGES[@]}"
site=$("$LETTERFIBEL_ROOT/scripts/web.sh" 2>/dev/null | tail -n 1)
baseline=$(mktemp -d)
trap 'rm -rf "$baseline"' EXIT
cp "$LETTERFIBEL_ROOT"/bench/web/baseline/* "$site/letterfibel.css" "$site/griechisch.woff2" "$baseline/"
/usr/bin/python3 "$LETTERFIBEL_ROOT/bench/web/load_bench.py" "$site" "$baseline" "${1:-15}"
# Lighthouse at the version these figures were read with, beside the page's build.
lighthouse_version=12.2.3
lighthouse="$site/../../lighthouse"
if [ ! -f "$lighthouse/node_modules/lighthouse/package.json" ] ||
    ! grep -q "\"version\": \"$lighthouse_version\"" "$lighthouse/node_modules/lighthouse/package.json"; then
    command -v npm >/dev/null || letterfibel_install_packages npm
    npm install --prefix "$lighthouse" --no-save --no-package-lock --no-audit --no-fund \
        "lighthouse@$lighthouse_version" >/dev/null ||
        letterfibel_fail "Could not install Lighthouse $lighthouse_version from npm (no network?)"
fi
/usr/bin/python3 "$LETTERFIBEL_ROOT/bench/web/lighthouse_bench.py" \
    "$lighthouse/node_modules/.bin/lighthouse" "$site" "$baseline" "${2:-5}"
