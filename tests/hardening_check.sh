#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless a release binary is hardened as a Debian package would be: PIE and full RELRO in
# the binary, the stack protector in every compile unit's recorded switches (DWARF), and
# every compile command of the target built with _FORTIFY_SOURCE=2 and optimisation (as
# Debian's blhc reads a build log).
set -euo pipefail
binary=${1:?usage: hardening_check.sh BINARY BUILD_DIR TARGET}
build=${2:?usage: hardening_check.sh BINARY BUILD_DIR TARGET}
target=${3:?usage: hardening_check.sh BINARY BUILD_DIR TARGET}
missing=()

readelf -h "$binary" | grep -q 'Type:.*DYN' || missing+=("PIE (the ELF type is not DYN)")
readelf -l "$binary" | grep -q 'GNU_RELRO' || missing+=("RELRO segment")
readelf -d "$binary" | grep -q -E 'BIND_NOW|FLAGS_1.*NOW' || missing+=("BIND_NOW (full RELRO)")

producers=$(readelf --debug-dump=info "$binary" 2>/dev/null | grep 'DW_AT_producer' || true)
units=$(grep -c . <<<"$producers" || true)
[ "$units" -gt 0 ] || missing+=("debug information to read the objects' switches from")
unprotected=$(grep -v -c -- '-fstack-protector-strong' <<<"$producers" || true)
[ "$unprotected" -eq 0 ] || missing+=("stack protector in $unprotected of $units compile units")

compiles=$(ninja -C "$build" -t commands "$target" | grep -E ' -c [^ ]+\.cpp' || true)
[ -n "$compiles" ] || missing+=("compile commands of $target")
unfortified=$(grep -v -c -E -- '-D_FORTIFY_SOURCE=2( |$)' <<<"$compiles" || true)
unoptimised=$(grep -v -c -E -- ' -O[123s]( |$)' <<<"$compiles" || true)
[ "$unfortified" -eq 0 ] || missing+=("_FORTIFY_SOURCE=2 in $unfortified compile commands")
[ "$unoptimised" -eq 0 ] || missing+=("optimisation, which _FORTIFY_SOURCE needs, in $unoptimised compile commands")

if [ ${#missing[@]} -gt 0 ]; then
    printf 'not hardened: %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "$binary: PIE, full RELRO; stack protector in $units units, _FORTIFY_SOURCE=2 in $(grep -c . <<<"$compiles") compiles"
