# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests: a private Xvfb, the program started on it, and helpers to
# click, type and look at the window. Source it; it cleans up on exit. XVFB_SCREEN sets the size.
set -euo pipefail

# Scratch files of the session; removed with everything else on exit.
E2E_WORK=$(mktemp -d)

start_xvfb() {
    local fifo="$E2E_WORK/display"
    mkfifo "$fifo"
    # Without -noreset the server resets whenever its last client leaves, and a client that
    # connects meanwhile is turned away.
    Xvfb -displayfd 3 -noreset -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

stop_all() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    # Helpers a test started (a compositor, say) go first, the X server last.
    local job
    for job in $(jobs -p); do
        [ "$job" = "${XVFB_PID:-}" ] || kill "$job" 2>/dev/null || true
    done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$E2E_WORK"
}
trap stop_all EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# poll SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; fails after SECONDS.
poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# start_app [LAUNCHER...]: starts the program (through LAUNCHER, such as env with its options)
# and waits until its window is mapped and painted; sets APP_PID and WINDOW.
start_app() {
    : "${LETTERFIBEL_BINARY:?path to the letterfibel binary}"
    : "${APP_LOG:=$E2E_WORK/app.log}"
    "$@" "$LETTERFIBEL_BINARY" >"$APP_LOG" 2>&1 &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Letterfibel$' | head -n 1) ||
        fail "the window did not appear"
    # The title "Letterfibel" in black marks the first painted frame.
    poll 10 region_has_colour ${PLACE[Label1]} '#000000' || fail "the window was not painted"
    APP_WIDTH=$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $2}')
}

# For Windows programs: Wine's desktop process keeps the X display it was started on, so one
# left over from the test before ends first, and this test's Wine programs open here.
new_wine_session() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# The program's own table, as its build tool prints it: each control's place, each button's
# caption and each glyph's name, so that the tests click and look where the program lays out.
#   CLIENT_WIDTH CLIENT_HEIGHT  the client area at 100 %
#   PLACE[control]              "W H X Y" in the client area, as region_hash takes it
#   BUTTON[caption]             "X Y", the button's centre
#   NAMES                       the letters' names in the buttons' order
#   GLYPH[name]                 the lowercase glyph's code point, in hex
#   PLACE[counters]             both counters
read_table() {
    : "${PAGE_FACTS:?command that prints the table of controls}"
    local table
    # shellcheck disable=SC2086
    table=$($PAGE_FACTS table) || fail "the program's table could not be read"
    eval "$(python3 -c '
import json, shlex, sys
table = json.loads(sys.argv[1])
lower = {name: glyph for glyph, name in table["letters"].items() if glyph.islower()}
print("CLIENT_WIDTH=%d CLIENT_HEIGHT=%d" % tuple(table["window"]))
names, counters = [], []
for control in table["controls"]:
    left, top, width, height = control["place"]
    print("PLACE[%s]=\"%d %d %d %d\"" % (control["name"], width, height, left, top))
    if control["kind"] == "button":
        caption = control["caption"]
        print("BUTTON[%s]=\"%d %d\"" % (shlex.quote(caption), left + width // 2, top + height // 2))
        if caption in lower:
            names.append(caption)
            print("GLYPH[%s]=%X" % (caption, ord(lower[caption])))
    if control["name"] in ("LabelRichtig", "LabelFalsch"):
        counters.append((left, top, left + width, top + height))
lefts, tops, rights, bottoms = zip(*counters)
print("PLACE[counters]=\"%d %d %d %d\"" % (max(rights) - min(lefts), max(bottoms) - min(tops),
                                           min(lefts), min(tops)))
print("NAMES=(%s)" % " ".join(names))
' "$table")"
}
declare -A PLACE BUTTON GLYPH

# click X Y: a real left click at a point of the client area, given at 100 %; a window laid
# out at a larger scale is clicked at the same place of its layout.
click() {
    local width=${APP_WIDTH:-$CLIENT_WIDTH}
    xdotool mousemove --window "$WINDOW" $(($1 * width / CLIENT_WIDTH)) $(($2 * width / CLIENT_WIDTH)) click 1
}

click_button() {
    # shellcheck disable=SC2086
    click ${BUTTON[$1]}
}

# region_hash W H X Y: a fingerprint of what a part of the window shows.
region_hash() {
    import -window "$WINDOW" -crop "$1x$2+$3+$4" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# region_has_colour W H X Y PATTERN: some pixels of that part of the window have a colour that
# matches PATTERN (#RRGGBB, an extended regular expression).
region_has_colour() {
    # grep -c reads to the end: an early exit would fail the pipeline with SIGPIPE.
    import -window "$WINDOW" -crop "$1x$2+$3+$4" -depth 8 txt:- 2>/dev/null |
        grep -E -i -c "$5" >/dev/null
}

# region_changes W H X Y HASH [SECONDS]: waits until that part of the window differs from HASH.
region_differs() {
    [ "$(region_hash "$1" "$2" "$3" "$4")" != "$5" ]
}
region_changes() {
    poll "${6:-5}" region_differs "$1" "$2" "$3" "$4" "$5"
}

# Waits for the program to end and checks its exit code.
expect_exit() {
    local expected=$1 seconds=${2:-5}
    local waited=0
    while kill -0 "$APP_PID" 2>/dev/null; do
        sleep 0.1
        waited=$((waited + 1))
        [ "$waited" -le $((seconds * 10)) ] || fail "the program did not end within ${seconds} s"
    done
    local code=0
    wait "$APP_PID" || code=$?
    APP_PID=
    [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected"
    teardown_overran || return 0
    # The program cut a hanging teardown short: a fault, unless the test counts a known one.
    [ -n "${KNOWN_TEARDOWN_HANG:-}" ] || fail "the program's teardown hung: $(teardown_overran -h)"
    TEARDOWN_OVERRUNS=$((TEARDOWN_OVERRUNS + 1))
}
TEARDOWN_OVERRUNS=0
teardown_overran() { grep "${1:--q}" 'letterfibel: teardown overran' "${APP_LOG:-/dev/null}" 2>/dev/null; }

# Starts a lowercase drill and clicks every name: one of them is right and starts the pause.
# read_places: sets LEFT TOP WIDTH HEIGHT of $WINDOW on the screen, and SCREEN_WIDTH and
# SCREEN_HEIGHT.
read_places() {
    read -r LEFT TOP WIDTH HEIGHT < <(xwininfo -id "$WINDOW" |
        awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
    read -r SCREEN_WIDTH SCREEN_HEIGHT < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
}

# laid_out_on_screen: the window lies on the screen, at 100 % or more, its client area at one
# scale for both directions up to the rounding of a pixel.
laid_out_on_screen() {
    local w=$CLIENT_WIDTH h=$CLIENT_HEIGHT
    [ "$LEFT" -ge 0 ] && [ "$TOP" -ge 0 ] && [ $((LEFT + WIDTH)) -le "$SCREEN_WIDTH" ] &&
        [ $((TOP + HEIGHT)) -le "$SCREEN_HEIGHT" ] ||
        fail "window ${WIDTH}x${HEIGHT} at ${LEFT},${TOP} does not lie on the ${SCREEN_WIDTH}x${SCREEN_HEIGHT} screen"
    [ "$WIDTH" -ge "$w" ] || fail "window ${WIDTH}x${HEIGHT} below 100 %"
    [ $((WIDTH * h - HEIGHT * w)) -le $((2 * w)) ] && [ $((HEIGHT * w - WIDTH * h)) -le $((2 * h)) ] ||
        fail "window ${WIDTH}x${HEIGHT} is not ${w}x${h} at one scale"
}

# scaled_buttons_work: Kleinbuchstaben, clicked where the scaled window draws it, changes the
# window, and Ende, clicked there too, ends the program.
scaled_buttons_work() {
    local before
    before=$(import -window "$WINDOW" rgb:- 2>/dev/null | md5sum)
    click_button Kleinbuchstaben
    poll 5 eval '[ "$(import -window "$WINDOW" rgb:- 2>/dev/null | md5sum)" != "$before" ]' ||
        fail "Kleinbuchstaben at its scaled place changed nothing"
    click_button Ende
    expect_exit 0 5
}

start_pause() {
    # One xdotool call, so that all clicks land well inside the pause the right one starts.
    local args=() name x y
    for name in Kleinbuchstaben "${NAMES[@]}"; do
        read -r x y <<<"${BUTTON[$name]}"
        args+=(mousemove --window "$WINDOW" "$x" "$y" click 1)
    done
    xdotool "${args[@]}"
}

read_table
start_xvfb
