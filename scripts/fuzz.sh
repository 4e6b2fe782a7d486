#!/usr/bin/env bash
# Runs the fuzz targets for a while (default 60 s each), growing a corpus
# under build/fuzz-corpus; crashes are written to build/fuzz-artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source scripts/packages.sh
scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz-corpus/core build/fuzz-corpus/cli build/fuzz-corpus/csv build/fuzz-artifacts
build/fuzz/fuzz/fuzz_core -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz-artifacts/ build/fuzz-corpus/core fuzz/corpus/core
QT_QPA_PLATFORM=offscreen build/fuzz/fuzz/fuzz_cli_json -max_total_time="$seconds" \
    -print_final_stats=1 -dict=fuzz/json.dict -artifact_prefix=build/fuzz-artifacts/ \
    build/fuzz-corpus/cli fuzz/corpus/cli
QT_QPA_PLATFORM=offscreen build/fuzz/fuzz/fuzz_batch_csv -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix=build/fuzz-artifacts/ \
    build/fuzz-corpus/csv fuzz/corpus/csv
