#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a release of the current commit into a folder (default release/): the Debian package,
# a zip for Windows (letterfibel.exe, the licence, a short German and English readme), the
# Windows Installer package, a zip of the page for any static web host, the source archive of
# the same commit, and SHA256SUMS for the five. Built twice from the same commit, anywhere and at
# any time, every file is the same to the byte.
#   scripts/release.sh [FOLDER]
# Given a code-signing certificate, the Windows program is signed before it goes into the zip
# and the installer, and the installer after it is built:
#   LETTERFIBEL_SIGN_PKCS12        the certificate with its key, a PKCS#12 file
#   LETTERFIBEL_SIGN_PASSWORD      its password, or LETTERFIBEL_SIGN_PASSWORD_FILE, a file holding it
#   LETTERFIBEL_SIGN_TIMESTAMP_URL an RFC 3161 time-stamp service (optional)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$LETTERFIBEL_ROOT"
letterfibel_install_packages "${LETTERFIBEL_PACKAGES[@]}" "${LETTERFIBEL_WINDOWS_PACKAGES[@]}" \
    "${LETTERFIBEL_WEB_PACKAGES[@]}" "${LETTERFIBEL_INSTALLER_PACKAGES[@]}" dpkg-dev file zip git
git rev-parse --git-dir >/dev/null 2>&1 ||
    letterfibel_fail "A release is made of a commit: run this in a git checkout."
git diff --quiet HEAD -- || letterfibel_fail "There are uncommitted changes: a release is made of a commit alone."
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
version=$(sed -n 's/^project(Letterfibel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=$(realpath -m "${1:-$LETTERFIBEL_ROOT/release}")

# The password goes to osslsigncode through a pipe, never as an argument that ps shows.
password=
if [ -n "${LETTERFIBEL_SIGN_PKCS12:-}" ]; then
    [ -r "$LETTERFIBEL_SIGN_PKCS12" ] || letterfibel_fail "Cannot read the certificate $LETTERFIBEL_SIGN_PKCS12"
    if [ -n "${LETTERFIBEL_SIGN_PASSWORD_FILE:-}" ]; then
        password=$(<"$LETTERFIBEL_SIGN_PASSWORD_FILE")
    else
        password=${LETTERFIBEL_SIGN_PASSWORD:-}
    fi
    unset LETTERFIBEL_SIGN_PASSWORD
    letterfibel_install_packages osslsigncode
fi
sign() { # FILE
    [ -n "${LETTERFIBEL_SIGN_PKCS12:-}" ] || return 0
    local timestamp=()
    [ -z "${LETTERFIBEL_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$LETTERFIBEL_SIGN_TIMESTAMP_URL")
    osslsigncode sign -pkcs12 "$LETTERFIBEL_SIGN_PKCS12" -readpass <(printf '%s' "$password") \
        -h sha256 -n Letterfibel "${timestamp[@]}" -in "$1" -out "$1.signed" >/dev/null ||
        letterfibel_fail "Could not sign $(basename "$1") (above)"
    mv "$1.signed" "$1"
}

scripts/package.sh >/dev/null
scripts/windows.sh >/dev/null
site=$(scripts/web.sh 2>/dev/null | tail -n 1)
rm -rf "$out"
mkdir -p "$out"
cp "build-package/letterfibel_${version}_amd64.deb" "$out/"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="letterfibel-$version"
mkdir "$stage/$folder"
cp build-windows/letterfibel.exe "$stage/$folder/letterfibel.exe"
sign "$stage/$folder/letterfibel.exe"
cp LICENSES/GPL-3.0-or-later.txt "$stage/$folder/LIZENZ-LICENSE.txt"
cp packaging/windows-readme.txt "$stage/$folder/LIESMICH-README.txt"
# A zip keeps names in the order given, times in local time and the Unix modes: all fixed here.
reproducible_zip() { # FOLDER_IN_STAGE ZIP
    find "$stage/$1" -type d -exec chmod 755 {} +
    find "$stage/$1" -type f -exec chmod 644 {} +
    find "$stage/$1" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
    (cd "$stage" && find "$1" | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$2")
}
reproducible_zip "$folder" "$out/$folder-windows.zip"
packaging/msi.sh "$stage/$folder/letterfibel.exe" "$out/$folder-x64.msi"
sign "$out/$folder-x64.msi"
[ -n "${LETTERFIBEL_SIGN_PKCS12:-}" ] ||
    echo "Not signed: no code-signing certificate given (LETTERFIBEL_SIGN_PKCS12)." >&2

web="$folder-web"
cp -r "$site" "$stage/$web"
cp LICENSES/GPL-3.0-or-later.txt "$stage/$web/LIZENZ-LICENSE.txt"
cp packaging/web-readme.txt "$stage/$web/LIESMICH-README.txt"
reproducible_zip "$web" "$out/$web.zip"

git archive --format=tar --prefix="$folder/" HEAD | gzip -9n >"$out/$folder.tar.gz"
(cd "$out" && sha256sum "letterfibel_${version}_amd64.deb" "$folder-windows.zip" "$folder-x64.msi" \
    "$web.zip" "$folder.tar.gz" >SHA256SUMS)
echo "$out"
