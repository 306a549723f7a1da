#!/bin/sh
# A person at the lookup window: starts the real program on the sample medium, types a word,
# presses Enter and Down, and takes a screenshot. Checks the window's title and that the list and
# the entry pane show the entry. Run on a display of its own (with_xvfb.sh).
# Usage: lookup_window.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
program=$1
medium=$2
artefacts=$3
mkdir -p "$artefacts"
. "$(dirname "$0")/start_orvan.sh"
start_orvan "$program" "$medium"
[ "$(xdotool getwindowname "$window")" = "Orvan" ] || { echo "wrong title" >&2; exit 1; }
xdotool windowfocus --sync "$window"
window_settles "$window"

# The share of dark pixels (text) in a part of the window: WIDTHxHEIGHT+X+Y.
ink() {
    convert "$1" -crop "$2" +repage -colorspace gray -threshold 70% -format '%[fx:1-mean]' info:
}
import -window "$window" "$artefacts/lookup_window_start.png"

list_row=140x14+4+82          # the first row of the entry list
headword=280x20+220+54        # the headword label over the pane
description=260x140+220+136   # the description, inside its scroll bar
shot="$artefacts/lookup_window.png"
# Whether the window now shows more text than at the start in every part named.
shows_text() {
    import -window "$window" "$shot" || return 1
    for part in "$@"; do
        before=$(ink "$artefacts/lookup_window_start.png" "$part")
        after=$(ink "$shot" "$part")
        awk -v a="$after" -v b="$before" 'BEGIN { exit !(a > b + 0.01) }' || return 1
    done
}

xdotool type --delay 40 engine
xdotool key Return
wait_until shows_text "$list_row" || true
xdotool key Down
wait_until shows_text "$headword" "$description" || true
window_settles "$window"
import -window "$window" "$shot"

status=0
for part in "$list_row" "$headword" "$description"; do
    before=$(ink "$artefacts/lookup_window_start.png" "$part")
    after=$(ink "$shot" "$part")
    echo "text in $part: $before before, $after after the look-up"
    if ! awk -v a="$after" -v b="$before" 'BEGIN { exit !(a > b + 0.01) }'; then
        echo "nothing shown in $part" >&2
        status=1
    fi
done
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "screenshot: $shot"
exit $status
