#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The .exe a learner gets: a 64-bit Windows GUI program that imports Windows' own DLLs only,
# carries its icon, version information and manifest, and stays well under 1 MB.
set -euo pipefail
exe=${1:?usage: executable_check.sh EXE OBJDUMP}
objdump=${2:?usage: executable_check.sh EXE OBJDUMP}
fail() { echo "FAIL: $*" >&2; exit 1; }

headers=$("$objdump" -p "$exe")
grep -q 'Magic.*020b.*PE32+' <<<"$headers" || fail "not a PE32+ (64-bit) program"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a Windows GUI program"
for flag in DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA; do
    grep -q "$flag" <<<"$headers" || fail "no $flag"
done
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|ADVAPI32|msvcrt|SHELL32|ole32|OLEAUT32|OLEACC|UxTheme)\.dll$'
while read -r dll; do
    grep -q -i -E "$system_dlls" <<<"$dll" || fail "imports $dll, which Windows does not bring"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

text=$(strings "$exe")
grep -q 'IHDR' <<<"$text" || fail "no icon (its 256-pixel picture is a PNG)"
grep -q 'PerMonitorV2' <<<"$text" || fail "the manifest does not ask for per-monitor DPI awareness"
grep -q 'Microsoft.Windows.Common-Controls' <<<"$text" || fail "the manifest lacks common controls 6"
strings -e l "$exe" | grep -q 'FileDescription' || fail "no version information"
size=$(stat -c %s "$exe")
[ "$size" -lt 1048576 ] || fail "$size bytes: not well under 1 MB"
echo "$(basename "$exe"): PE32+ GUI, system DLLs only, $size bytes"
