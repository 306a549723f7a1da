#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan and UBSan and runs each of them for a
# bounded time, ORVAN_FUZZ_SECONDS (20 by default: the ten targets take about three and a half minutes).
# Each target starts from seeds made here from the sample medium of the normal build
# (ORVAN_MEDIUM, build/medium by default; it is there once the tests have run) and from the
# small seeds committed under fuzz/; without the medium the committed seeds alone are used.
# Fails when any target finds a crash, a leak, a hang or a broken check; the input that did it
# is kept under <build>/findings/. The build folder is ORVAN_FUZZ_BUILD (build-fuzz by default);
# ORVAN_FUZZ_TARGETS names fewer targets to build and run.
# Needs scripts/setup.sh to have installed clang first.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${ORVAN_FUZZ_BUILD:-build-fuzz}
medium=${ORVAN_MEDIUM:-build/medium}
seconds=${ORVAN_FUZZ_SECONDS:-20}
seeds=fuzz/seeds
all_targets=(lexicon_fuzz fields_fuzz description_fuzz settings_fuzz content_list_fuzz store_fuzz
             search_index_fuzz rtf_fuzz jpeg_fuzz exchange_fuzz)
targets=("${all_targets[@]}")
if [ -n "${ORVAN_FUZZ_TARGETS:-}" ]; then read -r -a targets <<< "$ORVAN_FUZZ_TARGETS"; fi

# The preset "fuzz" (CMakePresets.json), in the folder asked for.
cmake --preset fuzz -B "$build"
cmake --build "$build" --target "${targets[@]}"

# The files of one input, joined by the separator the targets cut them at (fuzz/fuzz_files.h);
# an argument "-" is an empty file.
join_files() {
    local first=1 file
    for file in "$@"; do
        [ $first = 1 ] || printf -- '--8<--'
        first=0
        if [ "$file" != - ]; then cat "$file"; fi
    done
}

# The first lines of a file (the index lines are scrambled by their line number, so a cut from
# the start still reads as the lexicon wrote it).
head_lines() { head -n "$1" "$2" > "$3"; }

# The fuzzers grow their corpora: each run starts again from the seeds, outside the repository.
corpus=$build/corpus
findings=$build/findings
rm -rf "$corpus"
mkdir -p "$findings" "$corpus/parts"
for target in "${all_targets[@]}"; do mkdir -p "$corpus/$target"; done
parts=$corpus/parts
personal=$seeds/personal

have_medium=0
[ -f "$medium/data/i.tbo" ] && have_medium=1

# The index files, lexicon and personal.
join_files $seeds/lexicon/i.tbo $seeds/lexicon/igr.tbo $personal/ci.tbo $personal/cigr.tbo \
    > "$corpus/lexicon_fuzz/small"
join_files $seeds/lexicon/i.tbo $seeds/lexicon/igr.tbo > "$corpus/lexicon_fuzz/lexicon-only"
if [ $have_medium = 1 ]; then
    head_lines 40 "$medium/data/i.tbo" "$parts/i40"
    head_lines 40 "$medium/data/igr.tbo" "$parts/igr40"
    head_lines 100 "$medium/data/i.tbo" "$parts/i100"
    head_lines 100 "$medium/data/igr.tbo" "$parts/igr100"
    join_files "$parts/i40" "$parts/igr40" $personal/ci.tbo $personal/cigr.tbo \
        > "$corpus/lexicon_fuzz/medium-40"
    join_files "$parts/i100" "$parts/igr100" > "$corpus/lexicon_fuzz/medium-100"
fi

# The science list.
cp $seeds/srt.tbo "$corpus/fields_fuzz/small"
if [ -f "$medium/data/srt.tbo" ]; then cp "$medium/data/srt.tbo" "$corpus/fields_fuzz/medium"; fi

# The descriptions: data/lex.tbo, clex.tbo and the reads, one a line.
printf '0 40\r\n1 20\r\n5 3\r\n00000001000020\r\n' > "$parts/reads"
printf '{\\rtf1 {\\b bold} text}' > "$parts/lex"
join_files "$parts/lex" $personal/clex.tbo "$parts/reads" > "$corpus/description_fuzz/small"
if [ $have_medium = 1 ]; then
    head -c 60000 "$medium/data/lex.tbo" > "$parts/lex-medium"
    printf '57601 1180\r\n58781 451\r\n1 200\r\n0000000100040\r\n59232 208\r\n' \
        > "$parts/reads-medium"
    join_files "$parts/lex-medium" $personal/clex.tbo "$parts/reads-medium" \
        > "$corpus/description_fuzz/medium"
fi

# The settings file and the content list.
cp $seeds/settings/*.ini "$corpus/settings_fuzz/"
cp $seeds/fil.tbo "$corpus/content_list_fuzz/small"
if [ -f "$medium/content/fil.tbo" ]; then
    cp "$medium/content/fil.tbo" "$corpus/content_list_fuzz/medium"
fi

# The personal store: its three files, then the journal, the kept old files and a temporary
# that an interrupted change leaves.
join_files $personal/ci.tbo $personal/cigr.tbo $personal/clex.tbo > "$corpus/store_fuzz/files"
printf '1 ci.tbo\n0 cigr.tbo\n1 clex.tbo\n' > "$parts/journal"
join_files - - - "$parts/journal" $personal/ci.tbo - $personal/clex.tbo $personal/ci.tbo \
    > "$corpus/store_fuzz/interrupted"

# The saved search index: the committed one, and the one orvan-cli of the normal build saves
# for the small lexicon (after a wait: an index is saved only from files that have settled).
cp $seeds/search-index.idx "$corpus/search_index_fuzz/small"
cli=${ORVAN_CLI:-build/tools/cli/orvan-cli}
if [ -x "$cli" ]; then
    mkdir -p "$parts/small/data"
    cp $seeds/lexicon/i.tbo $seeds/lexicon/igr.tbo "$parts/small/data/"
    sleep 2.2
    HOME="$parts" XDG_CONFIG_HOME="$parts/config" XDG_CACHE_HOME="$parts/cache" \
        "$cli" -C "$parts/small" search e > /dev/null 2>&1 || true
    cp "$parts"/cache/orvan/*.idx "$corpus/search_index_fuzz/" 2>/dev/null || true
fi

# RTF: the documents of other programs, and the medium's own texts and descriptions (the plain
# store data/lex_.tbo: the prologue's opening and the first entries).
if [ -d ../shared/rtf-corpus/pandoc ]; then cp ../shared/rtf-corpus/pandoc/*.rtf "$corpus/rtf_fuzz/"; fi
if [ $have_medium = 1 ]; then
    cp "$medium"/content/*.rtf "$corpus/rtf_fuzz/" 2>/dev/null || true
    head -c 4000 "$medium/data/lex_.tbo" > "$corpus/rtf_fuzz/prologue"
    dd if="$medium/data/lex_.tbo" of="$corpus/rtf_fuzz/entries" bs=4096 skip=57601 count=1839 \
        iflag=skip_bytes,count_bytes status=none
fi

# JPEG: the committed small pictures and the smallest slide of the medium.
cp fuzz/jpeg-seeds/*.jpg "$corpus/jpeg_fuzz/"
if [ -f "$medium/content/09.jpg" ]; then cp "$medium/content/09.jpg" "$corpus/jpeg_fuzz/"; fi

# Import files: term bases in both TBX shapes and by other tools, and spreadsheets' CSV.
cp fuzz/seeds/exchange/* "$corpus/exchange_fuzz/"

# A target's own options: its dictionary, and for the JPEG decoder a lower memory limit, which
# a picture's size must never reach.
options() {
    case $1 in
        rtf_fuzz) echo -dict=fuzz/rtf.dict -rss_limit_mb=2048 ;;
        jpeg_fuzz) echo -rss_limit_mb=1024 ;;
        lexicon_fuzz | description_fuzz | store_fuzz) echo -dict=fuzz/files.dict -rss_limit_mb=2048 ;;
        *) echo -rss_limit_mb=2048 ;;
    esac
}

failed=()
for target in "${targets[@]}"; do
    echo "== $target for ${seconds}s"
    # shellcheck disable=SC2046
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" $(options "$target") "$corpus/$target"; then
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzzing found nothing"
