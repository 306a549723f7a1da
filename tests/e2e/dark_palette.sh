#!/bin/sh
# A person with a dark desktop: starts the real program on the sample medium with its dark
# palette (ORVAN_PALETTE=dark) and with the desktop's light one, looks up a word in each and
# takes a screenshot of each. Checks that under the dark palette the window is dark and that the
# headword, the list and the description show light text on it. Run on a display of its own
# (with_xvfb.sh).
# Usage: dark_palette.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
program=$1
medium=$2
artefacts=$(cd "$3" 2>/dev/null || mkdir -p "$3"; cd "$3" && pwd)
. "$(dirname "$0")/start_orvan.sh"

# The mean lightness (0 to 1) of a part of a picture: WIDTHxHEIGHT+X+Y.
lightness() {
    convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:mean]' info:
}
# The share of pixels lighter than LEVEL (a percentage) in a part of a picture: the light text
# on a dark background.
light_ink() {
    convert "$1" -crop "$2" +repage -colorspace gray -threshold "$3%" -format '%[fx:mean]' info:
}

look_up() {
    xdotool windowfocus --sync "$window"
    window_settles "$window"
    xdotool type --delay 40 engine
    xdotool key Return
    sleep 1
    xdotool key Down
    sleep 1
    window_settles "$window"
    import -window "$window" "$1"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

(
    unset ORVAN_PALETTE
    start_orvan "$program" "$medium"
    look_up "$artefacts/lookup_window_light.png"
)
(
    ORVAN_PALETTE=dark
    export ORVAN_PALETTE
    start_orvan "$program" "$medium"
    look_up "$artefacts/lookup_window_dark.png"
)

dark="$artefacts/lookup_window_dark.png"
status=0
background=$(lightness "$dark" 40x20+300+60)
echo "dark window's background lightness: $background"
awk -v l="$background" 'BEGIN { exit !(l < 0.4) }' || { echo "the window is not dark" >&2; status=1; }
# The headword over the toned picture, the list's second row and the description on the dark
# base, each with a level above its background's.
for check in 280x20+220+54:40 140x14+4+98:40 260x140+220+136:25; do
    part=${check%:*}
    ink=$(light_ink "$dark" "$part" "${check#*:}")
    echo "light text in $part: $ink"
    awk -v i="$ink" 'BEGIN { exit !(i > 0.01) }' || { echo "no light text in $part" >&2; status=1; }
done
echo "screenshots: $artefacts/lookup_window_light.png $dark"
exit $status
