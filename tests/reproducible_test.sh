#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the package (scripts/package.sh) and then the release of the checkout's current commit
# twice, from two clones in folders of different depth, one after the other, with another umask,
# time zone and locale, and fails unless every file of the two releases is the same to the
# byte; says what differs when not. Then a release signed with a throw-away certificate: its
# program and installer verify against that certificate, fail once a byte is changed, and the
# password shows in neither the release's output nor a command line.
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

password="throw-away-$RANDOM$RANDOM"
printf '%s' "$password" >"$work/password"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Letterfibel test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.p12" \
    -passout file:<(printf '%s' "$password")
# Every command line osslsigncode is given is logged, as ps would show it.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s"\nexec %s "$@"\n' "$work/signed.log" "$(command -v osslsigncode)" \
    >"$work/bin/osslsigncode"
chmod +x "$work/bin/osslsigncode"
(cd "$first" && PATH="$work/bin:$PATH" LETTERFIBEL_SIGN_PKCS12="$work/signer.p12" \
    LETTERFIBEL_SIGN_PASSWORD=$password scripts/release.sh "$work/release-signed" >>"$work/signed.log" 2>&1) ||
    { cat "$work/signed.log" >&2; fail "the signed release was not made"; }
grep -q -- '-pkcs12' "$work/signed.log" || fail "the release did not call osslsigncode"
! grep -F -q -f "$work/password" "$work/signed.log" ||
    fail "the password shows in the release's output or on osslsigncode's command line"
unzip -q -d "$work/unzipped" "$work"/release-signed/*-windows.zip
for file in "$work"/unzipped/*/letterfibel.exe "$work"/release-signed/*.msi; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >/dev/null ||
        fail "$(basename "$file") does not verify against the signing certificate"
    middle=$(($(stat -c %s "$file") / 2))
    byte=$(od -An -tu1 -j "$middle" -N1 "$file")
    printf "\\x$(printf %02x $((255 - byte)))" | dd of="$file" bs=1 seek="$middle" conv=notrunc status=none
    ! osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >/dev/null 2>&1 ||
        fail "$(basename "$file") still verifies with a byte changed"
done
echo "signed: the program and the installer verify, and fail once changed"
