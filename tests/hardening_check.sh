#!/usr/bin/env bash
# Reads a release binary and fails unless it is hardened: PIE, full RELRO, stack protector
# and _FORTIFY_SOURCE.
set -euo pipefail
binary=${1:?usage: hardening_check.sh BINARY}
missing=()

readelf -h "$binary" | grep -q 'Type:.*DYN' || missing+=("PIE (the ELF type is not DYN)")
readelf -l "$binary" | grep -q 'GNU_RELRO' || missing+=("RELRO segment")
readelf -d "$binary" | grep -q -E 'BIND_NOW|FLAGS_1.*NOW' || missing+=("BIND_NOW (full RELRO)")
symbols=$(readelf --dyn-syms -W "$binary")
grep -q '__stack_chk_fail' <<<"$symbols" || missing+=("stack protector (__stack_chk_fail)")
if ! grep -q -E '__[a-z_]+_chk@' <<<"$symbols" &&
    ! readelf -p .note.letterfibel.build "$binary" 2>/dev/null | grep -q '_FORTIFY_SOURCE=2'; then
    missing+=("_FORTIFY_SOURCE=2 (neither a fortified call nor the build note)")
fi

if [ ${#missing[@]} -gt 0 ]; then
    printf 'not hardened: %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "$binary: PIE, full RELRO, stack protector, _FORTIFY_SOURCE"
