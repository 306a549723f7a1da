#!/usr/bin/env bash
# Sets everything up and looks words up in the sample lexicon.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cli=build/tools/cli/orvan-cli
medium=build/medium
echo
echo "== English headwords that begin with \"engine\" =="
"$cli" -C "$medium" search engine
echo
echo "== The entry \"engine\", as the lookup window shows it =="
slot=$("$cli" -C "$medium" search engine | head -n 1 | cut -f 1)
"$cli" -C "$medium" show "$slot"
echo
echo "== Greek headwords that contain \"ηλεκτρ\" (first 15) =="
"$cli" -C "$medium" search --mode CONTAIN ηλεκτρ | head -n 15
echo
echo "== Entries of the science \"Μηχανολογία\" (first 15) =="
field=$("$cli" -C "$medium" dump | awk -F'\t' '$1 == "F" && $3 == "MECH" { print $2 }')
"$cli" -C "$medium" search --field "$field" | head -n 15
echo
echo "Try more: $cli -C $medium search --mode END ology"
