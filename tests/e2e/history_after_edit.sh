#!/bin/sh
# A person adds an entry of their own and goes back: on a copy of the sample medium, looks up
# "zoo", then "abacus", inserts a new entry through the editor, and presses Back twice. After each
# step the headword over the entry pane is checked against the rendering of the same headword
# taken when it was first shown; at the end the personal folder must hold the new entry.
# Run on a display of its own (with_xvfb.sh).
# Usage: history_after_edit.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER ORVAN_CLI
set -eu
mkdir -p "$3"
program=$(realpath "$1")
medium=$(realpath "$2")
artefacts=$(realpath "$3")
cli=$(realpath "$4")
new_word=abaculus
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}

. "$(dirname "$0")/person_steps.sh"
start_on_copy "$program" "$medium"
[ -n "$window" ] || fail "no window titled Orvan appeared"
xdotool windowfocus --sync "$window"
window_settles "$window"

headword=287x28+216+52   # the headword label over the entry pane
shots="$artefacts/history_after_edit"

# Takes a screenshot of the window as step $1 and crops the headword label out of it.
shoot() {
    # The pointer goes out of the window, so that no tooltip lies over what is compared.
    xdotool mousemove 5 5
    window_settles "$window"
    import -window "$window" "${shots}_$1.png"
    convert "${shots}_$1.png" -crop "$headword" +repage "$work/label_$1.png"
}
# The number of pixels in which two label crops differ.
difference() {
    compare -metric AE "$work/label_$1.png" "$work/label_$2.png" null: 2>&1 || true
}
same_label() {
    [ "$(difference "$1" "$2")" = 0 ] ||
        fail "step $1: the headword is not the one of step $2 ($(difference "$1" "$2") pixels differ)"
    echo "step $1: the headword is the one of step $2"
}
other_label() {
    [ "$(difference "$1" "$2")" != 0 ] || fail "step $1: the headword is still the one of step $2"
}
# Looks up a word as a person does: into the search field, Enter, Down to show the first row.
look_up() {
    xdotool mousemove --window "$window" 100 63 click 1
    window_settles "$window"
    xdotool key ctrl+a
    xdotool type --delay 40 "$1"
    xdotool key Return
    window_settles "$window"
    xdotool key Down
    window_settles "$window"
}
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    window_settles "$window"
}

shoot start
look_up zoo
shoot zoo
other_label zoo start

look_up abacus
shoot abacus
other_label abacus zoo
other_label abacus start

# The insert button; the personal folder is known, so the editor opens straight away.
click 530 110
editor=$(timeout 10 xdotool search --sync --onlyvisible --name 'Νέου Λήμματος' | head -n 1)
[ -n "$editor" ] || fail "the entry editor did not open"
xdotool windowfocus --sync "$editor"
window_settles "$editor"
xdotool type --delay 40 "$new_word"
xdotool key Tab Tab Tab
xdotool type --delay 40 "a small tile of a mosaic"
window_settles "$editor"
import -window root "${shots}_editor.png"
xdotool mousemove --window "$editor" 168 220 click 1   # "Εισαγωγή"
wait_until no_window_named 'Νέου Λήμματος' || true
window_settles "$window"
if xdotool search --onlyvisible --name 'Νέου Λήμματος' >/dev/null 2>&1; then
    import -window root "${shots}_editor_left_open.png"
    fail "the entry editor is still open after Εισαγωγή"
fi
if [ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -ne 1 ]; then
    import -window root "${shots}_message.png"
    fail "a message box came up after saving"
fi
shoot saved
for earlier in start zoo abacus; do other_label saved "$earlier"; done

click 74 22   # Back
shoot back1
same_label back1 abacus
click 74 22   # Back
shoot back2
same_label back2 zoo

# The label after saving was the new entry's: looking it up shows the same label.
look_up "$new_word"
shoot looked_up
same_label looked_up saved

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

[ -s "$personal/ci.tbo" ] || fail "no ci.tbo in the personal folder"
# The entry went to the personal folder only: the start folder is as it came off the medium.
diff -rq "$medium" "$copy" >"$work/changed.txt" 2>&1 ||
    fail "the program changed its start folder: $(cat "$work/changed.txt")"
"$cli" -C "$copy" search --personal-only "$new_word" >"$work/found.txt" 2>&1 ||
    fail "orvan-cli search failed: $(cat "$work/found.txt")"
# A row is the slot, a tab and the headword; the user's own entries are marked with " *".
grep -q "	$new_word \*\$" "$work/found.txt" ||
    fail "the personal folder does not list $new_word: $(cat "$work/found.txt")"
echo "the personal folder lists $new_word; screenshots: ${shots}_*.png"
