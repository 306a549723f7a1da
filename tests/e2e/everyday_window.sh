#!/bin/sh
# A person uses the window as every day, under a window manager: on a copy of the sample medium,
# types "υπολογιστ" letter by letter and sees the list follow (screenshots after 3 and after 9
# letters), types "computers" and presses Enter and is offered "computer", then maximises the
# window, closes it and starts the program again, and finds it maximised as it was left; the
# same for a window made smaller by hand; started again from the home folder, it reads the
# lexicon beside it; a second start with a word shows it in the running window. Run on a
# display of its own (with_xvfb.sh).
# Usage: everyday_window.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
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
shots="$artefacts/everyday_window"

fail() {
    echo "$*" >&2
    import -window root "${shots}_failed.png" 2>/dev/null || true
    exit 1
}

start_window_manager

# The window as the window manager sees it: its frame's size and whether it is maximised.
size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
maximised() { xprop -id "$1" _NET_WM_STATE | grep -q '_NET_WM_STATE_MAXIMIZED_HORZ'; }
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# Closes the window through the window manager, as its close button does, waits for the program
# to end, and starts it again; sets window to the new window.
# Started again from the home folder, the program reads the lexicon beside it and warns of
# nothing: only its window is titled Orvan.
close_and_start_again() {
    wmctrl -i -c "$window"
    wait "$pid" || fail "the program did not end when its window was closed"
    pid=
    (cd "$HOME" && exec "$copy/orvan") &
    pid=$!
    window=$(window_named '^Orvan$')
    [ -n "$window" ] || fail "no window came back"
    window_settles "$window"
    [ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -eq 1 ] ||
        fail "started from the home folder, the program did not find the lexicon beside it"
}

start_on_copy "$program" "$medium"
[ -n "$window" ] || fail "no window titled Orvan appeared"
xdotool windowfocus --sync "$window"
window_settles "$window"
import -window "$window" "${shots}_start.png"

# The list follows the typing, letter by letter, with no Enter. Greek letters are mapped to spare
# keys as they are typed: they go slowly (see edit_after_greek_fulltext.sh).
xdotool type --delay 200 "υπο"
window_settles "$window"
import -window "$window" "${shots}_3_letters.png"
same_picture "${shots}_start.png" "${shots}_3_letters.png" &&
    fail "the window did not change after three letters"
xdotool type --delay 200 "λογιστ"
window_settles "$window"
import -window "$window" "${shots}_9_letters.png"
same_picture "${shots}_3_letters.png" "${shots}_9_letters.png" &&
    fail "the list did not follow the next six letters"

# A word that finds nothing is answered with the headwords nearest to it.
xdotool key ctrl+a
xdotool type --delay 40 computers
xdotool key Return
window_settles "$window"
import -window "$window" "${shots}_suggestion.png"

# Maximised, closed and started again: it comes back maximised.
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
wait_until maximised "$window" || fail "the window manager did not maximise the window"
window_settles "$window"
left=$(size_of "$window")
import -window "$window" "${shots}_maximised.png"
close_and_start_again
wait_until maximised "$window" || fail "the window came back without being maximised"
window_settles "$window"
[ "$(size_of "$window")" = "$left" ] ||
    fail "the window came back at $(size_of "$window"), left at $left"
import -window "$window" "${shots}_maximised_again.png"

# Made smaller by hand, closed and started again: the same size.
wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
wait_until sh -c "! xprop -id $window _NET_WM_STATE | grep -q MAXIMIZED_HORZ" ||
    fail "the window stayed maximised"
xdotool windowsize --sync "$window" 700 450 || true
window_settles "$window"
left=$(size_of "$window")
close_and_start_again
window_settles "$window"
maximised "$window" && fail "the window came back maximised"
[ "$(size_of "$window")" = "$left" ] ||
    fail "the window came back at $(size_of "$window"), left at $left"
import -window "$window" "${shots}_resized_again.png"

# A second start with a word hands it to the running window and ends; no second window opens.
(cd "$HOME" && timeout 10 "$copy/orvan" thermometer) ||
    fail "a second start did not hand its word to the running window"
window_settles "$window"
[ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -eq 1 ] ||
    fail "a second start opened a window of its own"
import -window "$window" "${shots}_handed_word.png"
same_picture "${shots}_resized_again.png" "${shots}_handed_word.png" &&
    fail "the running window did not show the word handed to it"

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "the list followed the typing, the suggestion came, the window came back as left;" \
    "screenshots: ${shots}_*.png"
