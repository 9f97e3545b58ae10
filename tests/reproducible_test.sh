#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the package (scripts/package.sh) and then the release of the checkout's current commit
# twice, from two clones in folders of different depth, one after the other, with another umask,
# time zone and locale, and fails unless every file of the two releases is the same to the
# byte; says what differs when not.
set -euo pipefail
source=${1:?usage: reproducible_test.sh SOURCE_CHECKOUT}
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT TERM INT
first="$work/a/letterfibel"
second="$work/b/a/much/deeper/folder/letterfibel"
git clone -q "$source" "$first"
git clone -q "$source" "$second"
# The package as the README tells a packager to make it, without SOURCE_DATE_EPOCH, comes first:
# the release then reuses its build.
(cd "$first" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 env -u SOURCE_DATE_EPOCH scripts/package.sh >/dev/null)
(cd "$second" && umask 077 && TZ=Pacific/Chatham LC_ALL=C env -u SOURCE_DATE_EPOCH scripts/package.sh >/dev/null)
(cd "$first" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 scripts/release.sh "$work/release-a" >/dev/null)
(cd "$second" && umask 077 && TZ=Pacific/Chatham LC_ALL=C scripts/release.sh "$work/release-b" >/dev/null)

differs=0
for file in "$work"/release-a/*; do
    name=$(basename "$file")
    other="$work/release-b/$name"
    [ -f "$other" ] || { echo "only in the first release: $name" >&2; differs=1; continue; }
    cmp -s "$file" "$other" && continue
    differs=1
    echo "differs: $name" >&2
    case "$name" in
    *.deb) diff <(dpkg-deb -c "$file") <(dpkg-deb -c "$other") >&2 || true
        diff <(dpkg-deb -I "$file") <(dpkg-deb -I "$other") >&2 || true ;;
    *.zip) diff <(zipinfo -l "$file") <(zipinfo -l "$other") >&2 || true ;;
    *.tar.gz) diff <(tar -tvzf "$file") <(tar -tvzf "$other") >&2 || true ;;
    *) diff "$file" "$other" >&2 || true ;;
    esac
done
[ "$differs" -eq 0 ] || fail "the two releases differ (above)"
echo "reproducible: $(cd "$work/release-a" && ls | tr '\n' ' ')"
