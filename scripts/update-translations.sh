#!/usr/bin/env bash
# Brings translations/orvan_en.ts up to date with the sources: lupdate collects every text marked
# for translation (tr(), QCoreApplication::translate, QT_TR_NOOP, QT_TRANSLATE_NOOP) from the
# folders below, and fill-translations.py writes in the English of translations/english.tsv.
# A Greek text without English there is reported and stays unfinished. The build compiles the
# .ts files into the program; translations/qtbase_el.ts (Qt's own dialogs in Greek) is kept by
# hand and not touched here.
#
#     scripts/update-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)

includes=(-I .)
for folder in */include; do includes+=(-I "$folder"); done
"$lupdate" -silent "${includes[@]}" -locations none -no-obsolete -source-language el_GR -target-language en_GB \
    lookup setup personal platform richtext lexicon -ts translations/orvan_en.ts
python3 scripts/fill-translations.py
