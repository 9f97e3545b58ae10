#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows Installer package under Wine's msiexec, silently, as an administrator deploys it:
# an older version, then this one over it (one entry, the new program), the drill run from the
# installed file that the Start menu entry points at, the same package again repairing, an
# older one refused, and removal leaving the prefix as it was before; the same with the
# per-user properties.
set -euo pipefail
source "$(dirname "$0")/../e2e/xvfb_session.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$E2E_WORK
uninstall_keys='Software\Microsoft\Windows\CurrentVersion\Uninstall'
drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Program Files/Letterfibel/letterfibel.exe"

# What an install may touch and a removal must give back.
prefix_state() {
    (cd "$drive_c" && find "Program Files" "Program Files (x86)" ProgramData users windows/Installer \
        2>/dev/null | grep -v -i -x -e '.*/Temp.*' -e '.*/Recent.*' -e 'windows/Installer' | LC_ALL=C sort)
    local root
    for root in HKLM HKCU; do
        wine reg query "$root\\$uninstall_keys" /s 2>/dev/null | tr -d '\r' || true
    done
}
msiexec() { wine msiexec "$@" /qn /l*v "$work/msiexec.log"; }
entries() { prefix_state | grep -c '^HKEY.*Uninstall\\{' || true; }

version=$(sed -n 's/^project(Letterfibel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
"$root/packaging/msi.sh" "$LETTERFIBEL_BINARY" "$work/new.msi"
# An older release, with another program in it, so that its replacement shows.
"$root/packaging/msi.sh" "$START_AT" "$work/old.msi" 0.9.0
new_wine_session
before=$(prefix_state)

msiexec /i "$work/old.msi" || fail "the older package did not install silently"
msiexec /i "$work/new.msi" || fail "the package did not install silently over the older one"
[ "$(entries)" -eq 1 ] || fail "after the upgrade there are $(entries) entries in the installed programs"
cmp -s "$program" "$LETTERFIBEL_BINARY" || fail "after the upgrade the installed program is not the new one"
entry=$(wine reg query "HKLM\\$uninstall_keys" /s | tr -d '\r')
for value in "DisplayName +REG_SZ +Letterfibel$" "DisplayVersion +REG_SZ +$version$" \
    "Publisher +REG_SZ +The Letterfibel developers$"; do
    grep -q -E "$value" <<<"$entry" || fail "the installed programs' entry lacks $value"
done
# Wine lays the entry into the installing user's Start menu; Windows into the common one.
link=$(find "$drive_c" -path '*/Start Menu/Programs/Letterfibel.lnk' | head -n 1)
[ -n "$link" ] || fail "no Start menu entry Letterfibel"
grep -a -q 'Program Files\\Letterfibel\\letterfibel.exe' "$link" ||
    fail "the Start menu entry does not point at the installed program"
LETTERFIBEL_BINARY=$program bash "$(dirname "$0")/clicks_test.sh" >/dev/null ||
    fail "the installed program does not run a drill"

rm "$program"
msiexec /i "$work/new.msi" || fail "the same package again did not install silently"
[ -f "$program" ] && [ "$(entries)" -eq 1 ] || fail "the same package again did not repair in place"
if msiexec /i "$work/old.msi"; then fail "an older package was installed over a newer one"; fi
grep -q 'WIX_DOWNGRADE_DETECTED = {' "$work/msiexec.log" || fail "an older package failed for another reason"
cmp -s "$program" "$LETTERFIBEL_BINARY" || fail "an older package refused still changed the program"

msiexec /x "$work/new.msi" || fail "the package was not removed silently"
diff <(echo "$before") <(prefix_state) >&2 || fail "removal left the prefix changed (above)"

msiexec /i "$work/new.msi" MSIINSTALLPERUSER=1 ALLUSERS=2 || fail "the per-user install did not run silently"
[ "$(entries)" -eq 1 ] || fail "the per-user install made $(entries) entries"
msiexec /x "$work/new.msi" MSIINSTALLPERUSER=1 ALLUSERS=2 || fail "the per-user install was not removed"
diff <(echo "$before") <(prefix_state) >&2 || fail "removal of the per-user install left the prefix changed (above)"
echo "win32 installer: ok. Wine cannot show: Windows' ICE validation of the package, SmartScreen and"
echo "  signature prompts, the per-user install (Wine's msiexec installs per machine for an"
echo "  administrator, whatever ALLUSERS says), the icon in Apps, the common Start menu folder."
