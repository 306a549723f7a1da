#!/bin/sh
# A person searching the text of every description: starts the real program on the sample
# medium, types a word, presses the full-text button, answers the question with "Ναι", chooses the
# first entry found and takes a screenshot. Checks that the question came, that the list filled
# and that the shown description marks the word. Run on a display of its own (with_xvfb.sh).
# Usage: fulltext_search.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
program=$1
medium=$2
artefacts=$3
mkdir -p "$artefacts"
. "$(dirname "$0")/start_orvan.sh"
start_orvan "$program" "$medium"
xdotool windowfocus --sync "$window"
window_settles "$window"

# The share of pixels in a part of the window (WIDTHxHEIGHT+X+Y) that have the marks' colour.
marked() {
    convert "$1" -crop "$2" +repage -fuzz 4% -fill white -opaque 'rgb(255,226,96)' \
        -fill black +opaque white -colorspace gray -format '%[fx:mean]' info:
}
ink() {
    convert "$1" -crop "$2" +repage -colorspace gray -threshold 70% -format '%[fx:1-mean]' info:
}
list_row=140x14+4+82
description=300x220+220+136

xdotool type --delay 40 engine
# The magnifier with the page, fifth picture button of the tool row.
xdotool mousemove --window "$window" 486 21 click 1
question=$(timeout 10 xdotool search --sync --onlyvisible --name 'Αναζήτηση στις Περιγραφές' |
    head -n 1)
[ -n "$question" ] || { echo "the full-text search did not ask first" >&2; exit 1; }
window_settles "$question"
import -window "$question" "$artefacts/fulltext_question.png"
# "Όχι" has the focus; the button before it is "Ναι".
xdotool key --window "$question" shift+Tab space
shot="$artefacts/fulltext_search.png"
# Whether the window shows text in its first list row, and a marked word in the description.
list_filled() {
    import -window "$window" "$shot" &&
        awk -v a="$(ink "$shot" "$list_row")" 'BEGIN { exit !(a > 0.01) }'
}
word_marked() {
    import -window "$window" "$shot" &&
        awk -v a="$(marked "$shot" "$description")" 'BEGIN { exit !(a > 0.001) }'
}
wait_until no_window_named 'Αναζήτηση στις Περιγραφές' || true
wait_until list_filled || true
xdotool key Down
wait_until word_marked || true
window_settles "$window"
import -window "$window" "$shot"

status=0
rows=$(ink "$shot" "$list_row")
share=$(marked "$shot" "$description")
echo "text in the first list row: $rows; marked share of the description: $share"
awk -v a="$rows" 'BEGIN { exit !(a > 0.01) }' || { echo "the list stayed empty" >&2; status=1; }
awk -v a="$share" 'BEGIN { exit !(a > 0.001) }' || { echo "no word is marked" >&2; status=1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "screenshots: $shot $artefacts/fulltext_question.png"
exit $status
