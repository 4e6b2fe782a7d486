#!/usr/bin/env bash
# Instructions per call of a benchmark's counted function, by callgrind.
# Usage: bench/count_instructions.sh BENCH_BINARY FILTER FUNCTION [ITEMS_PER_CALL]
# e.g.   bench/count_instructions.sh build/bench/bench/bench_charts OneChart OneChartForCounting
# With ITEMS_PER_CALL (rows a call writes, say) it also gives the count per item.
set -euo pipefail
binary=$1 filter=$2 function=$3 items=${4:-1}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out/cg" --toggle-collect="*${function}*" \
    "$binary" --benchmark_filter="$filter" --benchmark_min_time=0.2 >/dev/null 2>&1
# Every function is listed (a counted function that only calls one other, with
# little cost of its own, would fall under the default threshold); the first
# line naming it as a caller is its one call edge.
callgrind_annotate --tree=caller --threshold=100 "$out/cg" | awk -v f="$function" -v items="$items" '
    index($0, "< ???:" f "(") {
        gsub(",", "", $1); calls = $0; sub(/.*\(/, "", calls); sub(/x\).*/, "", calls)
        gsub(",", "", calls)
        printf "%s: %d instructions per call over %d calls\n", f, $1 / calls, calls
        if (items > 1) printf "%s: %d instructions per item\n", f, $1 / calls / items
        exit
    }'
