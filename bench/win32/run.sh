#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks of the Windows program under Wine; prints the figures the README quotes.
#   bench/win32/run.sh [RUNS]   (default 20 start-ups of each program, alternating)
set -euo pipefail
source "$(dirname "$0")/../../scripts/setup.sh"
runs=${1:-20}

letterfibel_install_packages "${LETTERFIBEL_WINDOWS_PACKAGES[@]}" "${LETTERFIBEL_WINDOWS_TEST_PACKAGES[@]}" \
    g++ libx11-dev libxdamage-dev
build="$LETTERFIBEL_ROOT/build-windows-bench"
letterfibel_configure "$build" -DCMAKE_TOOLCHAIN_FILE="$LETTERFIBEL_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DLETTERFIBEL_BUILD_TESTS=OFF -DLETTERFIBEL_BUILD_BENCH=ON
cmake --build "$build"
# The watch runs on this machine's X server, so it is built natively beside the Windows build.
g++ -std=c++20 -O2 "$LETTERFIBEL_ROOT/bench/paint_watch.cpp" -lX11 -lXdamage -o "$build/paint_watch"

export LETTERFIBEL_BINARY="$build/win32/letterfibel.exe"
source "$LETTERFIBEL_ROOT/tests/e2e/xvfb_session.sh"
export WINEPREFIX="$E2E_WORK/wine" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
wineserver --wait
# A running wineserver, as on a desktop where Windows programs have been started before.
wineserver --persistent=600

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Start-up until the window is painted, the program as a learner starts it, watched from the X
# server; Wine paints a window in several bursts, so a burst ends after 500 ms without a paint.
elapsed_ms() { "$build/paint_watch" 500 wine "$1" | cut -d' ' -f1; }
program="$LETTERFIBEL_BINARY"
baseline="$build/bench/win32/startup_baseline_win32.exe"
for _ in 1 2; do elapsed_ms "$program" >/dev/null; elapsed_ms "$baseline" >/dev/null; done
ours=() theirs=()
for _ in $(seq "$runs"); do
    ours+=("$(elapsed_ms "$program")")
    theirs+=("$(elapsed_ms "$baseline")")
done
o=$(printf '%s\n' "${ours[@]}" | median)
t=$(printf '%s\n' "${theirs[@]}" | median)
printf 'start-up until the window is painted under Wine (median of %d): letterfibel %.1f ms, bare window %.1f ms, ratio %.3f\n' \
    "$runs" "$o" "$t" "$(awk -v a="$o" -v b="$t" 'BEGIN{print a/b}')"

# CPU of one pause: the program's process from the kernel's schedstat (ns), between the right
# answer and the end of its pause.
cpu_ns() { cut -d' ' -f1 "/proc/$APP_PID/schedstat"; }
start_app wine
pause_cpu=()
for _ in $(seq 5); do
    start_pause
    poll 5 region_has_colour 241 49 320 152 '#00C000'
    before=$(cpu_ns)
    poll 5 eval '! region_has_colour 241 49 320 152 "#(FF0000|00C000)"'
    after=$(cpu_ns)
    pause_cpu+=("$(((after - before) / 1000))")
done
click_button Ende
expect_exit 0 10
printf 'CPU during one pause under Wine (median of 5): %.2f ms (a busy loop would use 2000 ms)\n' \
    "$(printf '%s\n' "${pause_cpu[@]}" | median | awk '{print $1/1000}')"
printf 'size of letterfibel.exe: %d bytes\n' "$(stat -c %s "$LETTERFIBEL_BINARY")"
wineserver --kill
