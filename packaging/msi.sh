#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows Installer package from packaging/letterfibel.wxs with wixl:
#   packaging/msi.sh PROGRAM.exe OUT.msi [VERSION]
# Version, description, publisher and icon are read where the project keeps them (VERSION
# overrides the version). Built twice from the same program, the package is the same to the
# byte: its codes come from the version and the program, its times from SOURCE_DATE_EPOCH.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:?usage: msi.sh PROGRAM.exe OUT.msi [VERSION]}")
out=$(realpath -m "${2:?usage: msi.sh PROGRAM.exe OUT.msi [VERSION]}")
version=${3:-$(sed -n 's/^project(Letterfibel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")}
description=$(sed -n 's/^Comment=//p' "$root/data/de.letterfibel.Letterfibel.desktop")
publisher=$(sed -n 's/.*VALUE "CompanyName", "\(.*\)"/\1/p' "$root/win32/letterfibel.rc.in")
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)}
[ -n "$version" ] && [ -n "$description" ] && [ -n "$publisher" ] ||
    { echo "msi.sh: version, description or publisher not found" >&2; exit 1; }

# A GUID from SHA-1, as a name-based UUID is made: the same words give the same code.
guid_of() {
    local hash
    hash=$(printf '%s' "$*" | sha1sum | tr a-f A-F)
    echo "${hash:0:8}-${hash:8:4}-5${hash:13:3}-8${hash:17:3}-${hash:20:12}"
}
upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$root/packaging/letterfibel.wxs")
product_code=$(guid_of "$upgrade_code product $version")
# A package with other contents needs another package code, or Windows mixes up its cached copy.
package_code=$(guid_of "$upgrade_code package $version $(sha256sum <"$program")")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# wixl finds files only beside its source.
cp "$root/packaging/letterfibel.wxs" "$stage/"
cp "$program" "$stage/letterfibel.exe"
cp "$root/data/icons/de.letterfibel.Letterfibel.ico" "$stage/letterfibel.ico"
touch -d "@$epoch" "$stage"/*
# wixl and msibuild stamp the package with the clock and a random revision code: the clock is
# set to SOURCE_DATE_EPOCH and the revision code is replaced by the package code. wixl's string
# pool came out in one of two orders from run to run (2 in 8), and always in one with address
# randomisation off.
(cd "$stage" && faketime "@$epoch" setarch --addr-no-randomize wixl -a x64 -D "Version=$version" -D "ProductCode=$product_code" \
    -D "Description=$description" -D "Publisher=$publisher" -o "$stage/out.msi" letterfibel.wxs 2>&1 |
    grep -v 'builder.vala.*unimplemented' >&2 || true)
[ -f "$stage/out.msi" ] || { echo "msi.sh: wixl made no package (above)" >&2; exit 1; }
faketime "@$epoch" setarch --addr-no-randomize msibuild "$stage/out.msi" -s Letterfibel "$publisher" "x64;1031" "{$package_code}"
mv "$stage/out.msi" "$out"
