#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless a release binary is hardened as a Debian package would be: PIE and full RELRO in
# the binary; every compile command of the build (compile_commands.json, whatever the
# generator) with the stack protector, _FORTIFY_SOURCE=2 and optimisation, as Debian's blhc
# reads a build log; and, where the build keeps debug information, the stack protector in
# every compile unit's recorded switches (DWARF).
set -euo pipefail
binary=${1:?usage: hardening_check.sh BINARY BUILD_DIR}
build=${2:?usage: hardening_check.sh BINARY BUILD_DIR}
missing=()

readelf -h "$binary" | grep -q 'Type:.*DYN' || missing+=("PIE (the ELF type is not DYN)")
readelf -l "$binary" | grep -q 'GNU_RELRO' || missing+=("RELRO segment")
readelf -d "$binary" | grep -q -E 'BIND_NOW|FLAGS_1.*NOW' || missing+=("BIND_NOW (full RELRO)")

# One compile command a line, as CMake writes the file; the project compiles C++ only.
compiles=$(grep '^ *"command": ' "$build/compile_commands.json" || true)
commands=$(grep -c . <<<"$compiles" || true)
[ "$commands" -gt 0 ] || missing+=("compile commands in $build/compile_commands.json")
lacking() { grep -v -c -E -- "$1" <<<"$compiles" || true; }
[ "$(lacking ' -fstack-protector-strong( |$)')" -eq 0 ] ||
    missing+=("the stack protector in $(lacking ' -fstack-protector-strong( |$)') of $commands compile commands")
[ "$(lacking ' -D_FORTIFY_SOURCE=2( |$)')" -eq 0 ] ||
    missing+=("_FORTIFY_SOURCE=2 in $(lacking ' -D_FORTIFY_SOURCE=2( |$)') of $commands compile commands")
[ "$(lacking ' -O[123s]( |$)')" -eq 0 ] ||
    missing+=("optimisation, which _FORTIFY_SOURCE needs, in $(lacking ' -O[123s]( |$)') of $commands compile commands")

units=0
if [ "$(lacking ' -g[0-9]?( |$)')" -lt "$commands" ]; then
    producers=$(readelf --debug-dump=info "$binary" 2>/dev/null | grep 'DW_AT_producer' || true)
    units=$(grep -c . <<<"$producers" || true)
    unprotected=$(grep -v -c -- '-fstack-protector-strong' <<<"$producers" || true)
    [ "$units" -eq 0 ] || [ "$unprotected" -eq 0 ] ||
        missing+=("the stack protector in $unprotected of $units compile units")
fi

if [ ${#missing[@]} -gt 0 ]; then
    printf 'not hardened: %s\n' "${missing[@]}" >&2
    exit 1
fi
recorded=""
[ "$units" -eq 0 ] || recorded=", and in the switches recorded by $units compile units"
echo "$binary: PIE, full RELRO; stack protector, _FORTIFY_SOURCE=2 and optimisation in $commands compile commands$recorded"
