#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks; prints the figures the README's Performance section quotes.
#   bench/run.sh [RUNS]   (default 20 start-ups of each program, alternating)
set -euo pipefail
source "$(dirname "$0")/../scripts/setup.sh"
runs=${1:-20}

letterfibel_install_packages "${LETTERFIBEL_PACKAGES[@]}" "${LETTERFIBEL_TEST_PACKAGES[@]}" libxdamage-dev
build="$LETTERFIBEL_ROOT/build-bench"
letterfibel_configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLETTERFIBEL_BUILD_BENCH=ON \
    -DLETTERFIBEL_BUILD_TESTS=OFF
cmake --build "$build"

export LETTERFIBEL_BINARY="$build/app/letterfibel"
export QT_QPA_PLATFORM=xcb
source "$LETTERFIBEL_ROOT/tests/e2e/xvfb_session.sh"
# Qt's runtime folder, removed with the session's scratch files.
export XDG_RUNTIME_DIR="$E2E_WORK/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

# 1 and 3: start-up until the window is painted, and peak memory, alternating the two programs:
# the program as a learner starts it, watched from the X server.
startup_ms=() baseline_ms=() startup_kib=() baseline_kib=()
measure() { "$build/bench/paint_watch" 300 "$1" || fail "could not time $1"; } # -> "milliseconds peak_kib"
for _ in $(seq 2); do measure "$LETTERFIBEL_BINARY" >/dev/null; measure "$build/bench/startup_baseline" >/dev/null; done
for i in $(seq "$runs"); do
    read -r ms kib < <(measure "$LETTERFIBEL_BINARY")
    startup_ms+=("$ms"); startup_kib+=("$kib")
    read -r ms kib < <(measure "$build/bench/startup_baseline")
    baseline_ms+=("$ms"); baseline_kib+=("$kib")
done
s_ms=$(printf '%s\n' "${startup_ms[@]}" | median)
b_ms=$(printf '%s\n' "${baseline_ms[@]}" | median)
s_kib=$(printf '%s\n' "${startup_kib[@]}" | median)
b_kib=$(printf '%s\n' "${baseline_kib[@]}" | median)
printf 'start-up until the window is painted (median of %d): letterfibel %.1f ms, baseline %.1f ms, ratio %s\n' \
    "$runs" "$s_ms" "$b_ms" "$(ratio "$s_ms" "$b_ms")"
printf 'peak resident memory (median): letterfibel %d KiB, baseline %d KiB, ratio %s\n' \
    "$s_kib" "$b_kib" "$(ratio "$s_kib" "$b_kib")"

# 2: CPU of one pause on the real binary with real clicks, from the kernel's schedstat (ns).
cpu_ns() { cut -d' ' -f1 "/proc/$APP_PID/schedstat"; }
start_app
pause_cpu=()
for _ in $(seq 5); do
    start_pause
    sleep 0.1
    before=$(cpu_ns)
    sleep 2.5
    after=$(cpu_ns)
    pause_cpu+=("$(( (after - before) / 1000 ))")
done
click_button Ende
expect_exit 0
printf 'CPU during one pause on the real binary (median of 5): %.3f ms (a busy loop would use 2000 ms)\n' \
    "$(printf '%s\n' "${pause_cpu[@]}" | median | awk '{print $1/1000}')"

# 2 and 4, in process on the offscreen platform.
QT_QPA_PLATFORM=offscreen "$build/bench/pause_bench" 5 2>/dev/null | tail -n 1 | sed 's/^/pause in process, /'
"$build/bench/click_feedback_bench" 2000 2>/dev/null
