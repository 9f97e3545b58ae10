#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A storm of real random clicks on the real window: single and double clicks anywhere on the
# buttons, many during pauses, then Ende. No crash, exit code 0, and resident memory flat.
#   LETTERFIBEL_SOAK_SECONDS   length of the storm (default 60)
source "$(dirname "$0")/xvfb_session.sh"
seconds=${LETTERFIBEL_SOAK_SECONDS:-60}
seed=${LETTERFIBEL_STORM_SEED:-$RANDOM}
RANDOM=$seed
echo "storm of ${seconds} s, replay with LETTERFIBEL_STORM_SEED=$seed"

rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"; }

start_app
names=("${!BUTTON[@]}")
clicks=0
warmup_end=$((SECONDS + seconds / 6))
end=$((SECONDS + seconds))
rss_start=
while [ "$SECONDS" -lt "$end" ]; do
    kill -0 "$APP_PID" 2>/dev/null || fail "the program died after $clicks clicks"
    # One xdotool call per batch of 20 clicks: about ten clicks a second, a fast learner's pace.
    args=()
    for _ in $(seq 20); do
        name=${names[RANDOM % ${#names[@]}]}
        [ "$name" = Ende ] && name=Gemischt
        read -r x y <<<"${BUTTON[$name]}"
        # Anywhere on the button, not only its centre.
        x=$((x + RANDOM % 60 - 30))
        y=$((y + RANDOM % 14 - 7))
        if [ $((RANDOM % 4)) -eq 0 ]; then
            args+=(mousemove --window "$WINDOW" "$x" "$y" click --repeat 2 --delay 40 1)
        else
            args+=(mousemove --window "$WINDOW" "$x" "$y" click 1)
        fi
        clicks=$((clicks + 1))
    done
    xdotool "${args[@]}" sleep 0.05
    if [ -z "$rss_start" ] && [ "$SECONDS" -ge "$warmup_end" ]; then
        rss_start=$(rss_kib)
    fi
done
rss_end=$(rss_kib)
click_button Ende
expect_exit 0 5

growth=$((rss_end - rss_start))
echo "clicks: $clicks, resident memory after warm-up ${rss_start} KiB, at the end ${rss_end} KiB"
if readelf -d "$LETTERFIBEL_BINARY" | grep -q 'libasan'; then
    # AddressSanitizer keeps freed memory in quarantine, so resident memory grows by design;
    # there the storm checks for crashes and sanitizer findings, LeakSanitizer for leaks.
    echo "resident memory not judged in a sanitizer build"
else
    # Flat: allocator noise stays well under 2 MiB; a leak per click would pass it in a minute.
    [ "$growth" -lt 2048 ] || fail "resident memory grew by ${growth} KiB"
fi
echo "click storm: ok"
