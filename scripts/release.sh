#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a release of the current commit into a folder (default release/): the Debian package,
# a zip for Windows (letterfibel.exe, the licence, a short German and English readme), the
# source archive of the same commit, and SHA256SUMS for the three. Built twice from the same
# commit, anywhere and at any time, every file is the same to the byte.
#   scripts/release.sh [FOLDER]
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$LETTERFIBEL_ROOT"
letterfibel_install_packages "${LETTERFIBEL_PACKAGES[@]}" "${LETTERFIBEL_WINDOWS_PACKAGES[@]}" \
    dpkg-dev file zip git
git rev-parse --git-dir >/dev/null 2>&1 ||
    letterfibel_fail "A release is made of a commit: run this in a git checkout."
git diff --quiet HEAD -- || letterfibel_fail "There are uncommitted changes: a release is made of a commit alone."
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
version=$(sed -n 's/^project(Letterfibel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=$(realpath -m "${1:-$LETTERFIBEL_ROOT/release}")

scripts/package.sh >/dev/null
scripts/windows.sh >/dev/null
rm -rf "$out"
mkdir -p "$out"
cp "build-package/letterfibel_${version}_amd64.deb" "$out/"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="letterfibel-$version"
mkdir "$stage/$folder"
cp build-windows/letterfibel.exe "$stage/$folder/letterfibel.exe"
cp LICENSES/GPL-3.0-or-later.txt "$stage/$folder/LIZENZ-LICENSE.txt"
cp packaging/windows-readme.txt "$stage/$folder/LIESMICH-README.txt"
# A zip keeps names in the order given, times in local time and the Unix modes: all fixed here.
chmod 755 "$stage/$folder"
chmod 644 "$stage/$folder"/*
find "$stage/$folder" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$stage" && find "$folder" | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$out/$folder-windows.zip")

git archive --format=tar --prefix="$folder/" HEAD | gzip -9n >"$out/$folder.tar.gz"
(cd "$out" && sha256sum "letterfibel_${version}_amd64.deb" "$folder-windows.zip" "$folder.tar.gz" >SHA256SUMS)
echo "$out"
