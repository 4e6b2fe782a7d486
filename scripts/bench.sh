#!/usr/bin/env bash
# Builds and runs the benchmark programs, and counts the instructions of one chart.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/bench_charts
bench/count_instructions.sh build/bench/bench/bench_charts OneChart OneChartForCounting
build/bench/bench/bench_scan
bench/count_instructions.sh build/bench/bench/bench_scan CsvRows TenThousandCsvRowsForCounting 10000
build/bench/bench/bench_events
bench/count_instructions.sh build/bench/bench/bench_events Century CenturyForCounting
build/bench/bench/bench_places
build/bench/bench/bench_batch
QT_QPA_PLATFORM=offscreen build/bench/bench/bench_app
