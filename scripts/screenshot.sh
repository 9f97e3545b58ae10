#!/usr/bin/env bash
# Takes a screenshot of the real window under Xvfb, during a drill after a wrong click.
#   scripts/screenshot.sh [OUTPUT.png]   (default: docs/letterfibel.png)
# Set QT_SCALE_FACTOR to see the window scaled.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/letterfibel.png}")
export LETTERFIBEL_BINARY="${LETTERFIBEL_BINARY:-$root/build/app/letterfibel}"
[ -x "$LETTERFIBEL_BINARY" ] || { echo "Build first: ./run.sh or ./test.sh" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
source "$root/tests/e2e/xvfb_session.sh"
# Xvfb's screen may be too small for a scaled window.
kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null || true
fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 2000x1400x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
XVFB_PID=$!
read -r number <"$fifo"; rm -f "$fifo"
export DISPLAY=":$number"

start_app
scale=${QT_SCALE_FACTOR:-1}
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }
for name in Kleinbuchstaben Alpha Beta; do
    read -r x y <<<"${BUTTON[$name]}"
    click "$(scaled "$x")" "$(scaled "$y")"
    sleep 0.2
done
import -window "$WINDOW" "$output"
echo "$output"
