#!/bin/sh
# A person prints an entry of the sample medium to a PDF file with orvan-cli and reads it: the
# entry "acceleration" (a Greek rendering and a science field) in both language modes. The text
# of each page must carry the title, the four labels with the entry's values and the
# description's words, Greek included; the document's title is the job's name. Then "triangle"
# and "circle", whose descriptions link to a figure: their drawn pages must show the figure. The
# first pages are kept as pictures among the artefacts.
# Usage: print_pdf.sh ORVAN_CLI MEDIUM_FOLDER ARTEFACT_FOLDER
set -eu
mkdir -p "$3"
cli=$(realpath "$1")
medium=$(realpath "$2")
artefacts=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}

# A home of its own: no settings, so no personal folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY || true

word=acceleration
slot=$("$cli" -C "$medium" search "$word" | awk -F '\t' -v w="$word" '$2 == w { print $1; exit }')
[ -n "$slot" ] || fail "no entry $word on the medium"
# The window's entry pane: headword, rendering, science field, then the description.
"$cli" -C "$medium" show "$slot" >"$work/shown.txt"
greek=$(sed -n 2p "$work/shown.txt")
field=$(sed -n 3p "$work/shown.txt")
[ -n "$greek" ] && [ -n "$field" ] || fail "$word has no rendering or no field"
# The description's longest word that is not ASCII (a label's word, with its colon, could be the head's).
greek_word=$(sed -n '4,$p' "$work/shown.txt" | tr -s ' \t' '\n\n' | grep -v ':' |
    LC_ALL=C grep -v '^[ -~]' | LC_ALL=C awk 'length($0) > length(best) { best = $0 } END { print best }')
[ -n "$greek_word" ] || fail "the description of $word has no Greek word"

# The printed text, its lines and blanks run together.
printed() {
    pdftotext -enc UTF-8 "$1" - | tr -s ' \t\n\f' '    '
}

check() { # PDF HEADWORD RENDERING
    [ -s "$1" ] || fail "$1 was not written"
    text=$(printed "$1")
    expected="Orvan Λήμμα: $2 Απόδοση: $3 Επιστήμη: $field Περιγραφή:"
    case "$text" in
        *"$expected"*) ;;
        *) fail "$1: expected \"$expected\" in: $text" ;;
    esac
    case "$text" in
        *"$greek_word"*) ;;
        *) fail "$1: the description's word \"$greek_word\" is missing: $text" ;;
    esac
    pdfinfo -enc UTF-8 "$1" | grep -q "^Title: *Lexicon: $word\$" ||
        fail "$1: the document is not named \"Lexicon: $word\""
}

"$cli" -C "$medium" print "$slot" --pdf "$work/english.pdf"
check "$work/english.pdf" "$word" "$greek"
"$cli" -C "$medium" print --greek-mode "$slot" --pdf "$work/greek.pdf"
check "$work/greek.pdf" "$greek" "$word"

pdftoppm -png -r 50 -f 1 -l 1 "$work/english.pdf" "$artefacts/print_pdf"
[ -s "$artefacts/print_pdf-1.png" ] || fail "the first page could not be drawn"
cp "$work/english.pdf" "$artefacts/print_pdf.pdf"
echo "printed $word (slot $slot) in both modes; \"$greek_word\" among its words"

# The share of a picture's pixels that have the colour COLOUR.
share() { # PNG COLOUR
    convert "$1" -fuzz 4% -fill black +opaque "$2" -fill white -opaque "$2" -colorspace gray \
        -format '%[fx:mean]' info:
}

"$cli" -C "$medium" dump >"$work/dump.txt"
for word in triangle circle; do
    # "E", slot, number, ..., headword.
    entry=$(awk -F '\t' -v w="$word" '$1 == "E" && $11 == w { print $2, $3; exit }' "$work/dump.txt")
    [ -n "$entry" ] || fail "no entry $word on the medium"
    slot=${entry% *}
    figure="$medium/content/fig${entry#* }1.bmp"
    [ -s "$figure" ] || fail "$word has no figure $figure"
    "$cli" -C "$medium" print "$slot" --pdf "$work/$word.pdf"
    case "$(printed "$work/$word.pdf")" in
        *"[Σχήμα 1]"*) ;;
        *) fail "$word: the link to its figure is not printed" ;;
    esac
    # The figure's colour after its background, its second most common one, must cover a fair
    # part of the drawn page: the figure takes some 5% of it, its fill a good part of that.
    colour=$(convert "$figure" -format %c histogram:info:- | sort -rn | awk 'NR == 2 { print $3 }')
    [ -n "$colour" ] || fail "the figure of $word cannot be read: $figure"
    pdftoppm -png -r 50 -f 1 -l 1 "$work/$word.pdf" "$artefacts/print_pdf_$word"
    page="$artefacts/print_pdf_$word-1.png"
    [ -s "$page" ] || fail "the page of $word could not be drawn"
    filled=$(share "$page" "$colour")
    awk -v a="$filled" 'BEGIN { exit !(a > 0.005) }' ||
        fail "$word: the figure is not on the page ($colour covers $filled of it)"
    echo "printed $word (slot $slot) with its figure: $colour covers $filled of the page"
done
