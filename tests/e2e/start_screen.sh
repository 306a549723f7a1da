#!/bin/sh
# A person at the start screen on the first run: starts the real program on the sample medium
# with a new home, goes through the partner's two pages, the publisher's titles and the
# dictionary's details, taking a screenshot of each, then starts the dictionary. Checks that the
# presentations change what is shown, that the slides move on, and that the lookup window follows.
# Run on a display of its own (with_xvfb.sh).
# Usage: start_screen.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
program=$1
medium=$2
artefacts=$3
mkdir -p "$artefacts"
START_SCREEN=1
. "$(dirname "$0")/start_orvan.sh"
start_orvan "$program" "$medium"
screen=$window
xdotool windowfocus --sync "$screen"
window_settles "$screen"

shot() {
    import -window "$screen" "$artefacts/start_screen_$1.png"
}
click() {
    xdotool mousemove --window "$screen" "$1" "$2" click 1
    window_settles "$screen"
}
# How different two screenshots are (0 the same, 1 all different).
difference() {
    compare -metric AE -fuzz 5% "$artefacts/start_screen_$1.png" \
        "$artefacts/start_screen_$2.png" null: 2>&1 | awk '{ printf "%d", $1 }'
}
status=0
changed() {
    pixels=$(difference "$1" "$2")
    echo "$1 -> $2: $pixels pixels differ"
    [ "$pixels" -gt "$3" ] || { echo "$2 looks like $1" >&2; status=1; }
}

shot face
click 588 44        # the company's logo
shot company
click 700 40        # the division's logo
shot division
# The slide moves on by itself (one slide period is 5.5 s): at most 20 s.
slide_moved() {
    shot division_next
    [ "$(difference division division_next)" -gt 2000 ]
}
wait_until slide_moved || true
window_settles "$screen"
shot division_next
click 150 32        # the publisher's logo
shot titles
click 100 194       # the third title
shot title3
click 354 430       # "Στοιχεία Λεξικού"
shot details
click 100 188       # the fourth details page
shot details4

changed face company 20000
changed company division 5000
changed division division_next 2000
changed division titles 20000
changed titles title3 5000
changed titles details 20000
changed details details4 2000

# A second start while the start screen shows hands its word over and ends; no window of its own.
HOME="$home" XDG_CONFIG_HOME="$home/.config" timeout 10 "$program" thermometer ||
    { echo "a second start during the start screen did not hand its word over" >&2; status=1; }
[ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -eq 1 ] ||
    { echo "a second start during the start screen opened a window" >&2; status=1; }

# "Έναρξη Λεξικού" starts the dictionary: the lookup window, also titled "Orvan", follows, and
# shows the word handed over.
click 586 428
lookup=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvan$' | head -n 1)
[ -n "$lookup" ] && [ "$lookup" != "$screen" ] ||
    { echo "the lookup window did not follow the start screen" >&2; status=1; }
[ -z "$lookup" ] || window_settles "$lookup"
[ -z "$lookup" ] || import -window "$lookup" "$artefacts/start_screen_then_lookup.png"
if [ -n "$lookup" ]; then
    searched=$(search_field_text "$lookup")
    [ "$searched" = thermometer ] ||
        { echo "the lookup window shows \"$searched\", not the word handed over" >&2; status=1; }
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "screenshots: $artefacts/start_screen_*.png"
exit $status
