#!/usr/bin/env bash
# Runs every benchmark once, with the fewest iterations, so that none stops building or running
# unnoticed; the figures are not judged. Fails when a benchmark is missing, fails, reports an
# error or runs past its time limit. The benchmark that needs an X server runs on a display of
# its own (tests/e2e/with_xvfb.sh).
# Usage: scripts/bench-smoke.sh [BUILD_FOLDER]   (build/ by default)
set -euo pipefail
cd "$(dirname "$0")/.."
bench="${1:-build}/bench"
limit="${ORVAN_BENCH_SMOKE_LIMIT:-90}"  # seconds for one benchmark program
failed=()

# smoke NAME [FILTER [WRAPPER...]]: NAME's cases matching FILTER, one short run each.
smoke() {
    local name=$1 filter=${2:-.} output status=0
    shift $(($# < 2 ? $# : 2))
    if [ ! -x "$bench/$name" ]; then
        echo "bench-smoke: $bench/$name is not built" >&2
        failed+=("$name")
        return
    fi
    output=$(mktemp)
    local start=$SECONDS
    timeout --kill-after=10 "$limit" "$@" "$bench/$name" --benchmark_min_time=0.001 \
        --benchmark_repetitions=1 --benchmark_filter="$filter" >"$output" 2>&1 || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "bench-smoke: $name ran past ${limit}s" >&2
        failed+=("$name")
    elif [ "$status" -ne 0 ] || grep -qE "ERROR OCCURRED|Failed to match any benchmarks" "$output"; then
        echo "bench-smoke: $name failed (status $status):" >&2
        grep -E "ERROR OCCURRED|rror" "$output" | head -20 >&2 || tail -20 "$output" >&2
        failed+=("$name")
    else
        echo "bench-smoke: $name ran in $((SECONDS - start))s"
    fi
    rm -f "$output"
}

# The loading shapes up to the store's largest description; every search of the full-text
# benchmark, but the slow way (each entry loaded into the view) for one word only.
smoke richtext_bench '^(Extract|LoadIntoView)|/(8192|65536|99999)$'
smoke lexicon_bench
smoke entry_display_bench
smoke lookup_state_bench
smoke personal_store_bench
smoke lookup_window_bench
smoke fulltext_bench '^BM_(FullTextSearch|WholeProcessFullText|ZcatGrep)/|^BM_DocumentPerEntry/0'
smoke whole_process_bench
smoke exchange_bench
smoke selection_handover_bench . sh tests/e2e/with_xvfb.sh

if [ ${#failed[@]} -gt 0 ]; then
    echo "bench-smoke: failed: ${failed[*]}" >&2
    exit 1
fi
echo "bench-smoke: every benchmark ran"
