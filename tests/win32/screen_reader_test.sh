#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows screen reader receives, heard beside the program under Wine while real X input
# drives it: the window by its name and description; the focus starts on Ende and follows typed
# letters to their buttons, Space pressing them; the question when
# a drill starts, still there a second later; the verdict with the right name and the count
# after each answer; nothing after the pause; each once; no control named by a Greek letter; a
# review that walks the window finds its controls and no old words after the pause. The letter
# drawn is the table's Greek glyph, also where Arial has none.
source "$(dirname "$0")/../e2e/xvfb_session.sh"
new_wine_session
# ARIAL_WITHOUT_GREEK=1: a system whose Arial lacks the Greek letters but whose Times New Roman
# has them; Wine takes its faces from fontconfig.
if [ -n "${ARIAL_WITHOUT_GREEK:-}" ]; then
    /usr/bin/python3 "$(dirname "$0")/stand_in_faces.py" /usr/share/fonts/truetype/liberation2 \
        "$E2E_WORK/faces" || fail "could not make the stand-in faces"
    cat >"$E2E_WORK/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$E2E_WORK/faces</dir>
  <cachedir>$E2E_WORK/font-cache</cachedir>
</fontconfig>
EOF
    export FONTCONFIG_FILE="$E2E_WORK/fonts.conf"
fi
: "${SCREEN_READER_CLIENT:?path to screen_reader_client.exe}" "${GLYPH_SHEET:?path to glyph_sheet.exe}"

heard="$E2E_WORK/heard"
wine "$SCREEN_READER_CLIENT" listen >"$heard" 2>/dev/null &
poll 20 grep -q '^ready$' "$heard" || fail "the screen reader client did not start"
start_app wine

focus=$(wine "$SCREEN_READER_CLIENT" focus 2>/dev/null | tr -d '\r')
[ "$focus" = "focus Ende" ] || fail "at start: '$focus', expected the focus on Ende"
presented=$(wine "$SCREEN_READER_CLIENT" window 2>/dev/null | tr -d '\r')
[ "$presented" = "window Letterfibel
description Übung zum Lesen der griechischen Buchstaben" ] ||
    fail "the window is presented as '$presented'"

# said TEXT [SECONDS]: waits until the screen reader has heard TEXT as a live region's words.
said() { poll "${2:-5}" grep -q -x -F "live $1" "$heard"; }
live_count() { grep -c '^live ' "$heard" || true; }

# Typed letters reach a button, said as the focus: "e" reaches Epsilon, not Ende, and Space
# judges it, the program runs on; "k" and Space start a drill.
xdotool key e
poll 5 grep -q -x -F "focus Epsilon" "$heard" || fail "typing e did not focus Epsilon: $(cat "$heard")"
xdotool key space
poll 5 grep -q '^live Falsch' "$heard" || fail "Space on Epsilon judged nothing: $(cat "$heard")"
kill -0 "$APP_PID" 2>/dev/null || fail "e and Space at start ended the program"
xdotool key k
poll 5 grep -q -x -F "focus Kleinbuchstaben" "$heard" || fail "typing k did not focus Kleinbuchstaben"
xdotool key space
question="Welcher griechische Kleinbuchstabe ist sichtbar ?"
said "$question" || fail "the question was not announced: $(cat "$heard")"
# A screen reader may fetch the words a moment after the event: they must still be there.
poll 5 grep -q -x -F "later $question" "$heard" ||
    fail "a second after the event the live region no longer held the question: $(grep '^later' "$heard")"

# sheet_hash NAME: the picture of NAME's glyph as the program draws its letter.
sheet_hash() {
    local program_window=$WINDOW sheet
    wine "$GLYPH_SHEET" "${GLYPH[$1]}" >/dev/null 2>&1 &
    sheet=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Glyphen$' | head -n 1)
    sleep 0.5
    region_hash 73 49 0 0
    kill "$sheet"
    wait "$sheet" 2>/dev/null || true
    WINDOW=$program_window
}
# shows_glyph HASH NAME: the letter display had shown the table's glyph of NAME, and that is no
# other letter's picture, as the empty box of a face without Greek letters would be.
shows_glyph() {
    local expected
    expected=$(sheet_hash "$2")
    [ "$1" = "$expected" ] && [ "$expected" != "$(sheet_hash Alpha)" ]
}

# Alpha until it is wrong (a right one, 1 in 15, pauses and draws the next letter): then the
# verdict names the letter, and its name is right.
for attempt in 1 2 3 4 5; do
    letter=$(region_hash ${PLACE[LabelAnzeige]})
    before=$(live_count)
    click_button Alpha
    poll 5 eval '[ "$(live_count)" -gt "$before" ]' || fail "no verdict announced for Alpha"
    verdict=$(grep '^live ' "$heard" | tail -n 1 | sed 's/^live //')
    case "$verdict" in
    "Falsch: "*". 1 falsch") name=${verdict#Falsch: }; name=${name%%.*}; break ;;
    "Richtig: Alpha. $attempt richtig") sleep 2.5 ;;
    *) fail "after Alpha: '$verdict'" ;;
    esac
done
[ -n "${name:-}" ] || fail "Alpha was right five times running"
[ -n "${GLYPH[$name]:-}" ] || fail "the verdict named '$name', no letter of the drill"

# The whole name typed, and Space.
xdotool type "$name"
poll 5 grep -q -x -F "focus $name" "$heard" || fail "typing $name did not focus its button: $(tail -n 4 "$heard")"
xdotool key space
said "Richtig: $name" || fail "the right answer was not announced as 'Richtig: $name': $(cat "$heard")"
after_answer=$(live_count)
sleep 3
[ "$(live_count)" = "$after_answer" ] || fail "something was announced after the pause: $(tail -n 2 "$heard")"
review=$(wine "$SCREEN_READER_CLIENT" names 2>/dev/null | tr -d '\r')
for control in Kleinbuchstaben Alpha Omega Ende "Angezeigter Buchstabe"; do
    grep -q -x -F "name $control" <<<"$review" || fail "a review of the window misses $control: $review"
done
stale=$(grep -E '^name (Richtig|Falsch):' <<<"$review" || true)
[ -z "$stale" ] || fail "after the pause a control still holds old words: $stale"

duplicates=$(grep '^live ' "$heard" | sort | uniq -d)
[ -z "$duplicates" ] || fail "announced twice: $duplicates"
! grep -q '^greek ' "$heard" || fail "a control is named by a Greek letter: $(grep '^greek ' "$heard")"

# Last, as the glyph sheets take the keyboard from the window.
shows_glyph "$letter" "$name" ||
    fail "the letter display does not show the glyph of $name, or draws it as it draws Alpha"

click_button Ende
expect_exit 0 10
echo "win32 screen reader: ok"
