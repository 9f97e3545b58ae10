#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks; prints the figures the README's Performance section quotes.
#   bench/run.sh [RUNS]   (default 20 start-ups of each program, alternating)
set -euo pipefail
source "$(dirname "$0")/../scripts/setup.sh"
runs=${1:-20}

letterfibel_install_packages "${LETTERFIBEL_PACKAGES[@]}" "${LETTERFIBEL_TEST_PACKAGES[@]}" time
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

# 1 and 3: start-up to the first painted frame, and peak memory, alternating the two programs.
startup_ms=() baseline_ms=() startup_kib=() baseline_kib=()
measure() { # PROGRAM -> "milliseconds peak_kib"
    local out start end
    out=$(mktemp)
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(cat "$out")"
    rm -f "$out"
}
for _ in $(seq 2); do measure "$build/bench/startup_letterfibel" >/dev/null; measure "$build/bench/startup_baseline" >/dev/null; done
for i in $(seq "$runs"); do
    read -r us kib < <(measure "$build/bench/startup_letterfibel")
    startup_ms+=("$us"); startup_kib+=("$kib")
    read -r us kib < <(measure "$build/bench/startup_baseline")
    baseline_ms+=("$us"); baseline_kib+=("$kib")
done
s_us=$(printf '%s\n' "${startup_ms[@]}" | median)
b_us=$(printf '%s\n' "${baseline_ms[@]}" | median)
s_kib=$(printf '%s\n' "${startup_kib[@]}" | median)
b_kib=$(printf '%s\n' "${baseline_kib[@]}" | median)
printf 'start-up to first paint (median of %d): letterfibel %.1f ms, baseline %.1f ms, ratio %s\n' \
    "$runs" "$(awk -v v="$s_us" 'BEGIN{print v/1000}')" "$(awk -v v="$b_us" 'BEGIN{print v/1000}')" "$(ratio "$s_us" "$b_us")"
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
