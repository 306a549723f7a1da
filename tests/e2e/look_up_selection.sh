#!/bin/sh
# A person selects a word in another program and runs `orvan --selection` (as the desktop's key
# for it does) while the window is minimised: the second start ends at once, and the window comes
# back to the front showing the word's entry. With nothing selected, the word copied to the
# clipboard is looked up; with neither, the window only comes to the front. Run on a display of
# its own (with_xvfb.sh).
# Usage: look_up_selection.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
mkdir -p "$3"
program=$(realpath "$1")
medium=$(realpath "$2")
artefacts=$(realpath "$3")
. "$(dirname "$0")/person_steps.sh"
work=$(mktemp -d)
pid=
manager=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; [ -z "$manager" ] || kill "$manager" 2>/dev/null || true; rm -rf "$work"' EXIT
shots="$artefacts/look_up_selection"

fail() {
    echo "$*" >&2
    import -window root "${shots}_failed.png" 2>/dev/null || true
    exit 1
}

command -v xsel >/dev/null || fail "xsel is not installed"
start_window_manager

same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
# The same but for a text cursor, which blinks: a few dozen pixels at most.
nearly_same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" -le 40 ]; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }

# The row of the list the window shows, as its Copy command (Ctrl+C in the list) gives it.
shown_row() {
    xsel --clipboard --clear
    xdotool key --window "$window" ctrl+c
    wait_until sh -c '[ -n "$(xsel --clipboard --output)" ]' || true
    xsel --clipboard --output
}

# Minimises the window, runs `orvan --selection` from the home folder and checks that it ended
# at once, that no second window opened, and that the window is back in front; NAME names the
# screenshot taken then.
select_and_run() {
    xdotool windowminimize --sync "$window"
    (cd "$HOME" && timeout 10 "$copy/orvan" --selection) ||
        fail "orvan --selection did not hand the selection to the running window"
    wait_until shown "$window" || fail "the minimised window did not come back"
    wait_until active || fail "the window did not come to the front"
    window_settles "$window"
    [ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -eq 1 ] ||
        fail "orvan --selection opened a window of its own"
    import -window "$window" "${shots}_$1.png"
}

start_on_copy "$program" "$medium"
[ -n "$window" ] || fail "no window titled Orvan appeared"
xdotool windowfocus --sync "$window"
window_settles "$window"
import -window "$window" "${shots}_start.png"

# A word selected with the mouse elsewhere: the primary selection.
xsel --clipboard --clear
printf 'thermometer' | xsel --primary --input
select_and_run primary
same_picture "${shots}_start.png" "${shots}_primary.png" &&
    fail "the window did not show the selected word"
[ "$(shown_row)" = thermometer ] || fail "the window shows \"$(shown_row)\", not thermometer"

# Nothing selected, a word copied: the clipboard's word, its first line only.
xsel --primary --clear
printf '  engine\r\nsecond line\r\n' | xsel --clipboard --input
select_and_run clipboard
same_picture "${shots}_primary.png" "${shots}_clipboard.png" &&
    fail "the window did not show the copied word"
[ "$(shown_row)" = engine ] || fail "the window shows \"$(shown_row)\", not engine"

# Neither: the window only comes to the front, as it was left (with a word typed, so that the
# last word looked up shown again would be seen).
xsel --primary --clear
xsel --clipboard --clear
[ -z "$(xsel --primary --output)$(xsel --clipboard --output)" ] ||
    fail "the selection and the clipboard could not be emptied"
xdotool key --window "$window" ctrl+l
xdotool type --delay 40 heat
window_settles "$window"
import -window "$window" "${shots}_typed.png"
select_and_run nothing
# Coming back, the search field has the focus again and its text is selected (as entering it
# always selects it); below it, nothing may have changed.
below_search() { convert "$1" -crop +0+78 +repage "$2"; }
below_search "${shots}_typed.png" "$work/typed_below.png"
below_search "${shots}_nothing.png" "$work/nothing_below.png"
nearly_same_picture "$work/typed_below.png" "$work/nothing_below.png" ||
    fail "with nothing selected the window changed"
searched=$(search_field_text "$window")
[ "$searched" = heat ] || fail "with nothing selected the search became \"$searched\""

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "the selection, then the clipboard, was shown in the running window;" \
    "screenshots: ${shots}_*.png"
