#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in a Wayland session: weston nested on Xvfb, where real X input reaches it, and
# the program on Qt's Wayland platform (no fallback to X11). Title, app id and a fixed size
# reach the compositor; maximize changes nothing, also when the compositor answers late; a mode
# button, Ende and the title bar's close button work, with exit code 0 and no warning on stderr.
# On a 1366x768 output scaled by 1.25 and 1.5 the window fits, and Ende is clicked where it is
# drawn.
source "$(dirname "$0")/xvfb_session.sh"

# In a sanitizer build: Mesa's EGL driver leaves a buffer that only the full unwinder can name
# for its suppression (tests/sanitizers/lsan.supp); the fast one stops in the unloaded driver.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0"
socket="letterfibel-$$"
# Starts weston; sets WESTON_PID and WINDOW, its X window.
start_weston() {
    weston --backend=x11-backend.so --socket="$socket" --width="${1:-1000}" --height="${2:-760}" --idle-time=0 \
        >"$E2E_WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    poll 10 test -S "$XDG_RUNTIME_DIR/$socket" || { cat "$E2E_WORK/weston.log" >&2; fail "weston did not start"; }
    WINDOW=$(timeout 10 xdotool search --sync --classname '^weston' | head -n 1) ||
        fail "weston's window did not appear"
    # Weston takes pointer input in screen coordinates; its window lies at the screen's origin.
    xwininfo -id "$WINDOW" | grep -q 'Absolute upper-left X:  0' || fail "weston's window is not at 0,0"
    # Weston follows the X pointer only after it has entered its window: it starts outside.
    OUTSIDE_X=$((${1:-1000} + 15)) OUTSIDE_Y=$((${2:-760} + 15))
    xdotool mousemove "$OUTSIDE_X" "$OUTSIDE_Y" sleep 0.2 mousemove 500 380
}
start_weston
protocol="$E2E_WORK/protocol.log"
APP_LOG=$protocol
# Qt 6.4's Wayland client has been seen to wait forever for its event thread at exit (gdb: the
# main thread in QThread::wait in ~QWaylandDisplay); the program's deadline cuts it short, and
# this test counts each time instead of failing.
KNOWN_TEARDOWN_HANG="Qt 6.4's Wayland client at exit"
# The program talks to weston through a socket that, while $hold exists, passes weston's
# answers on 0.6 s late: the program must wait for the answer, not for a time.
hold="$E2E_WORK/hold"
python3 "$(dirname "$0")/late_compositor.py" "$XDG_RUNTIME_DIR/$socket-late" \
    "$XDG_RUNTIME_DIR/$socket" 0.6 "$hold" &
poll 5 test -S "$XDG_RUNTIME_DIR/$socket-late" || fail "the late socket did not start"

# Starts the program on weston; sets APP_PID and ORIGIN_X/ORIGIN_Y, its client area on screen.
start_wayland_app() {
    # Qt takes a window whose frames come back later than 100 ms for hidden and then leaves its
    # geometry alone; late answers here stand for a slow compositor, not a hidden window.
    WAYLAND_DISPLAY="$socket-late" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
        QT_WAYLAND_FRAME_CALLBACK_TIMEOUT=5000 \
        "$LETTERFIBEL_BINARY" 2>"$protocol" &
    APP_PID=$!
    poll 10 grep -q 'set_app_id("de.letterfibel.Letterfibel")' "$protocol" ||
        { cat "$protocol" >&2; fail "no Wayland toplevel with the program's app id"; }
    # The app id, the title and the sizes leave in separate requests, which a loaded machine
    # may log apart.
    poll 10 grep -q 'set_title("Letterfibel")' "$protocol" || fail "title not sent"
    poll 10 fixed_size_sent ||
        fail "the fixed size ${CLIENT_WIDTH}x${CLIENT_HEIGHT} was not sent as minimum and maximum"
    # The window's icon in its title bar (green) tells where the compositor placed it.
    poll 20 icon_found || { tail -n 5 "$protocol" >&2; fail "the window was not drawn"; }
}
fixed_size_sent() {
    grep -q "set_min_size($CLIENT_WIDTH, $CLIENT_HEIGHT)" "$protocol" &&
        grep -q "set_max_size($CLIENT_WIDTH, $CLIENT_HEIGHT)" "$protocol"
}
# The window's icon in its title bar: the bounding box of its colours, all else white.
icon_box() {
    convert "$@" -alpha off -fill '#010203' -opaque '#2CA748' -opaque '#30A14A' \
        -fill white +opaque '#010203' -format '%@' info: 2>/dev/null
}
# Sets ICON_X and ICON_Y, the icon's first pixel (its top row's leftmost), and from them ORIGIN_X
# and ORIGIN_Y. Quick even on a loaded machine, where a dump of every pixel as text took 25 s.
icon_found() {
    local shot="$E2E_WORK/weston.png" box
    import -window "$WINDOW" "$shot" 2>/dev/null || return 1
    box=$(icon_box "$shot")
    [[ "$box" =~ ^[1-9][0-9]*x[0-9]+\+[0-9]+\+([0-9]+)$ ]] || return 1
    ICON_Y=${BASH_REMATCH[1]}
    box=$(icon_box "$shot" -crop "100000x1+0+$ICON_Y" +repage)
    [[ "$box" =~ ^[1-9][0-9]*x[0-9]+\+([0-9]+)\+[0-9]+$ ]] || return 1
    ICON_X=${BASH_REMATCH[1]}
    ORIGIN_X=$((ICON_X - 8)) ORIGIN_Y=$((ICON_Y + 24))
}
# seen_since LINE PATTERN: the program's protocol log has a line matching PATTERN after LINE.
seen_since() { tail -n "+$(($1 + 1))" "$protocol" | grep -q -E "$2"; }
# click_screen X Y: a left click at a point of the screen, each step of it seen to reach the
# program in its protocol log before the next: the pointer there, the press, the release. Weston
# ignores a pointer it has not seen enter its window, and a loaded machine has been seen to lose
# one; the pointer then leaves weston's window and comes back, and the click is made anew.
click_screen() {
    local try start
    for try in 1 2 3; do
        start=$(wc -l <"$protocol")
        # Two moves, so that the pointer moves even when it stood at the point already.
        xdotool mousemove $(($1 + 1)) "$2" mousemove "$1" "$2"
        if ! poll 5 seen_since "$start" '^\[ *[0-9.]+\] +wl_pointer@[0-9]+\.(enter|motion)\('; then
            xdotool mousemove "$OUTSIDE_X" "$OUTSIDE_Y" sleep 0.2
            continue
        fi
        start=$(wc -l <"$protocol")
        xdotool mousedown 1
        if poll 5 seen_since "$start" "$BUTTON_EVENT, 1\\)"; then
            xdotool mouseup 1
            poll 5 seen_since "$start" "$BUTTON_EVENT, 0\\)" && return 0
        else
            xdotool mouseup 1
        fi
    done
    # What the program last heard, for the log of a run that failed.
    echo "the click at $1,$2 was not seen whole; the program's protocol ends:" >&2
    tail -n 12 "$protocol" >&2
    return 1
}
# The left button's event, up to its state.
BUTTON_EVENT='^\[ *[0-9.]+\] +wl_pointer@[0-9]+\.button\([0-9]+, [0-9]+, 272'
click_client() { click_screen $((ORIGIN_X + $1)) $((ORIGIN_Y + $2)); }
no_warnings() {
    local warnings='^\[ *[0-9]+\.[0-9]+\]|^letterfibel: teardown overran'
    if grep -v -E "$warnings" "$protocol" | grep -q .; then
        grep -v -E "$warnings" "$protocol" >&2
        fail "the program wrote warnings on stderr"
    fi
}

start_wayland_app
placed_at="$ICON_X,$ICON_Y"
touch "$hold"
click_screen $((ICON_X + 695)) $((ICON_Y + 9)) || fail "the click on maximize did not reach the program"
poll 4 grep -q 'unset_maximized()' "$protocol" || fail "maximizing was not undone"
# Back at its size, fixed again, and still connected: a maximized window that kept its size
# would have been disconnected by the compositor.
back_to_fixed_size() {
    [ "$(grep -o 'set_window_geometry([^)]*)' "$protocol" | tail -n 1)" = 'set_window_geometry(0, 0, 747, 625)' ] &&
        [ "$(grep -o 'set_max_size([^)]*)' "$protocol" | tail -n 1)" = "set_max_size($CLIENT_WIDTH, $CLIENT_HEIGHT)" ]
}
poll 5 back_to_fixed_size || fail "the window did not return to its fixed size after maximize"
rm "$hold"
! grep -q 'error' "$protocol" || fail "protocol error: $(grep error "$protocol")"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended on maximize"
# Back where it was: weston's screen may still show it maximized for a moment, and a click
# meant for a button would then miss the window.
back_in_place() { icon_found && [ "$ICON_X,$ICON_Y" = "$placed_at" ]; }
poll 5 back_in_place || fail "the window did not come back to $placed_at after maximize"

read -r width height left top <<<"${PLACE[Frame1]}"
frame_before=$(region_hash "$width" "$height" $((ORIGIN_X + left)) $((ORIGIN_Y + top)))
# shellcheck disable=SC2086
click_client ${BUTTON[Kleinbuchstaben]} || fail "the click on Kleinbuchstaben did not reach the program"
region_changes "$width" "$height" $((ORIGIN_X + left)) $((ORIGIN_Y + top)) "$frame_before" ||
    fail "Kleinbuchstaben changed nothing"
# ended_by_click X Y: a click there, seen to reach the program, ends it within 10 s.
ended_by_click() {
    click_screen "$1" "$2" || fail "a click at $1,$2 did not reach the program"
    poll 10 eval '! kill -0 "$APP_PID" 2>/dev/null'
}
read -r x y <<<"${BUTTON[Ende]}"
ended_by_click $((ORIGIN_X + x)) $((ORIGIN_Y + y)) || fail "Ende did not end the program"
expect_exit 0 5
no_warnings
# A fresh weston: its screen holds nothing of the window just closed, whose picture weston has
# been seen to leave in place, so that the next window's icon was looked for in the wrong spot.
kill "$WESTON_PID"
wait "$WESTON_PID" || true
poll 5 eval '! test -e "$XDG_RUNTIME_DIR/$socket"' || fail "weston did not end"
start_weston

start_wayland_app
poll 10 icon_found || fail "the window was not drawn"
ended_by_click $((ICON_X + 717)) $((ICON_Y + 9)) || fail "the title bar's close button did not end the program"
expect_exit 0 5
no_warnings

# A laptop's screen, scaled: the focus ring of "Ende" (Fusion's #26709E, on no other control at
# start) shows where it is drawn; it must lie on the output, and a click there ends the program.
ende_found() {
    local box
    # The bounding box of the ring's pixels, as WxH+X+Y; 0x0 where there are none.
    box=$(import -window "$WINDOW" png:- 2>/dev/null |
        convert - -fill black +opaque '#26709E' -fill white -opaque '#26709E' -format '%@' info:)
    [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    [ "${BASH_REMATCH[1]}" -gt 20 ] && [ "${BASH_REMATCH[2]}" -gt 10 ] || return 1
    ENDE_LEFT=${BASH_REMATCH[3]} ENDE_TOP=${BASH_REMATCH[4]}
    ENDE_RIGHT=$((ENDE_LEFT + BASH_REMATCH[1] - 1)) ENDE_BOTTOM=$((ENDE_TOP + BASH_REMATCH[2] - 1))
}
for scale in 1.25 1.5; do
    kill "$WESTON_PID"
    wait "$WESTON_PID" || true
    poll 5 eval '! test -e "$XDG_RUNTIME_DIR/$socket"' || fail "weston did not end"
    start_weston 1366 768
    WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_SCALE_FACTOR=$scale WAYLAND_DEBUG=client \
        "$LETTERFIBEL_BINARY" 2>"$protocol" &
    APP_PID=$!
    poll 20 ende_found || fail "at $scale, Ende is not on the 1366x768 output"
    [ "$ENDE_BOTTOM" -lt 768 ] && [ "$ENDE_RIGHT" -lt 1366 ] ||
        fail "at $scale, Ende ends at $ENDE_RIGHT,$ENDE_BOTTOM, off the 1366x768 output"
    ended_by_click $(((ENDE_LEFT + ENDE_RIGHT) / 2)) $(((ENDE_TOP + ENDE_BOTTOM) / 2)) ||
        fail "at $scale, Ende where it is drawn did not end the program"
    echo "wayland at $scale on 1366x768: Ende drawn at $ENDE_LEFT,$ENDE_TOP to $ENDE_RIGHT,$ENDE_BOTTOM"
    expect_exit 0 5
    no_warnings
done
echo "wayland: ok (the known hang, $KNOWN_TEARDOWN_HANG, cut short $TEARDOWN_OVERRUNS times)"
