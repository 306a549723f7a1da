#!/bin/sh
# A person changes their own entry found by the full-text search in Greek: on a copy of the sample
# medium, adds "cafe creme" / "καφές κρέμα" through the editor, switches the flag to Greek,
# searches the descriptions for a word of its description, chooses it, opens the editor with the
# pencil and presses Ok without changing anything. The editor must have shown both headwords as
# stored (a screenshot is kept), and the personal files must be exactly as before the Ok.
# Run on a display of its own (with_xvfb.sh).
# Usage: edit_after_greek_fulltext.sh ORVAN MEDIUM_FOLDER ARTEFACT_FOLDER ORVAN_CLI
set -eu
mkdir -p "$3"
program=$(realpath "$1")
medium=$(realpath "$2")
artefacts=$(realpath "$3")
cli=$(realpath "$4")
. "$(dirname "$0")/person_steps.sh"
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
shots="$artefacts/edit_after_greek_fulltext"

fail() {
    echo "$*" >&2
    import -window root "${shots}_failed.png" 2>/dev/null || true
    exit 1
}

start_on_copy "$program" "$medium"
[ -n "$window" ] || fail "no window titled Orvan appeared"
xdotool windowfocus --sync "$window"
window_settles "$window"

click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    window_settles "$1"
}

# The new entry, through the insert button and the editor.
click "$window" 530 110
editor=$(window_named 'Νέου Λήμματος')
[ -n "$editor" ] || fail "the entry editor did not open"
xdotool windowfocus --sync "$editor"
window_settles "$editor"
xdotool type --delay 40 "cafe creme"
xdotool key Tab
# Greek letters are not on the display's keyboard map: xdotool maps each to a spare key as it
# types it, and a program still busy with the last letter may read the key after it is mapped
# again (seen as a lost letter under the sanitizers). The letters go slowly.
xdotool type --delay 200 "καφές κρέμα"
xdotool key Tab Tab
xdotool type --delay 40 "a frothy cappuccinolike drink"
window_settles "$editor"
click "$editor" 168 220 # "Εισαγωγή"
wait_until no_window_named 'Νέου Λήμματος' || true
xdotool search --onlyvisible --name 'Νέου Λήμματος' >/dev/null 2>&1 &&
    fail "the entry editor is still open after Εισαγωγή"

"$cli" -C "$copy" search --personal-only cafe >"$work/found.txt" 2>&1 ||
    fail "orvan-cli search failed: $(cat "$work/found.txt")"
slot=$(awk -F '\t' '$2 == "cafe creme *" { print $1 }' "$work/found.txt")
[ -n "$slot" ] || fail "the new entry is not in the personal folder: $(cat "$work/found.txt")"
"$cli" -C "$copy" show "$slot" >"$work/before.txt"
grep -q 'καφές κρέμα' "$work/before.txt" || fail "the Greek headword was not saved: $(cat "$work/before.txt")"

# The flag: Greek. Then the full-text search for a word of the description, answered "Ναι".
click "$window" 28 21
click "$window" 100 63
# While the flag says Greek the keys type Greek (the display has no Greek layout: the program's
# own Greek keyboard): the Latin word is pasted, as copied from elsewhere.
printf cappuccinolike | xsel --clipboard --input
xdotool key ctrl+v
xdotool mousemove --window "$window" 486 21 click 1
question=$(window_named 'Αναζήτηση στις Περιγραφές')
[ -n "$question" ] || fail "the full-text search did not ask first"
window_settles "$question"
xdotool key --window "$question" shift+Tab space
# The question, then the search's progress, both titled so, go; the list shows what was found.
wait_until no_window_named 'Αναζήτηση στις Περιγραφές' || true
window_settles "$window"
xdotool key Down # the first entry found, "cafe creme *"
window_settles "$window"
import -window "$window" "${shots}_found.png"

stored() { cat "$personal/ci.tbo" "$personal/cigr.tbo" "$personal/clex.tbo" | md5sum; }
before=$(stored)

# The pencil, and Ok with nothing changed.
click "$window" 530 148
editor=$(window_named 'Μεταβολή Λήμματος')
[ -n "$editor" ] || fail "the editor did not open on the entry found"
window_settles "$editor"
import -window root "${shots}_editor.png"
click "$editor" 168 220 # "Ok"
wait_until no_window_named 'Μεταβολή Λήμματος' || true
window_settles "$window"
xdotool search --onlyvisible --name 'Μεταβολή Λήμματος' >/dev/null 2>&1 &&
    fail "the editor is still open after Ok"
[ "$(xdotool search --onlyvisible --name '^Orvan$' | wc -l)" -eq 1 ] ||
    fail "a message box came up after Ok"
import -window "$window" "${shots}_after.png"

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

[ "$(stored)" = "$before" ] || fail "Ok without a change rewrote the personal files"
"$cli" -C "$copy" show "$slot" >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" ||
    fail "the entry changed: $(diff "$work/before.txt" "$work/after.txt")"
echo "the entry kept both headwords; screenshots: ${shots}_*.png"
