#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this build tree, checks its metadata and files, installs it into
# a scratch root and starts the installed program under Xvfb.
set -euo pipefail
build=${1:?usage: package_test.sh BUILD_DIR}
source "$(dirname "$0")/e2e/xvfb_session.sh"
work="$E2E_WORK"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/letterfibel_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = letterfibel ] || fail "package name"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Every dependency must be a package Debian 12 has (here: installed, since we built with them).
for package in $(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/|.*//' | tr -d ' '); do
    dpkg-query -W "$package" >/dev/null 2>&1 || fail "dependency $package is not a Debian package here"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
app_id=de.letterfibel.Letterfibel
for file in usr/bin/letterfibel usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for file in usr/share/doc/letterfibel/copyright usr/share/doc/letterfibel/changelog.gz \
    usr/share/man/man1/letterfibel.1.gz usr/share/man/de/man1/letterfibel.1.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}px icon"
done
# Debian's own checks: no error and no warning; informational tags are listed in the README.
TMPDIR="$work" lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>/dev/null ||
    fail "lintian found errors or warnings"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"

LETTERFIBEL_BINARY="$root/usr/bin/letterfibel"
start_app
click_button Ende
expect_exit 0
echo "package $(basename "$deb"): ok"
