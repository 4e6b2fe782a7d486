// Readings per second of a scan over many days, written to /dev/null: one
// birth chart, then a day chart, the placements and a CSV row per moment.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/bench_inputs.h"
#include "cli/scan.h"

using namespace zkc;

namespace {

void Scan(benchmark::State& state, cli::ScanFormat format, bool changesOnly) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    const ChartInput birth = bench::AtDelhi(1990, 1, 26, 16, 5);
    const ChartInput day = bench::AtDelhi(2026, 12, 8, 0, 0);
    cli::ScanRequest request;
    request.Until = {2027, 12, 8, 0, 0};  // a year in steps of ten minutes
    request.StepMinutes = 10;
    request.Format = format;
    request.ChangesOnly = changesOnly;
    long long readings = 0;
    for (auto _ : state) {
        readings += cli::RunScan(birth, day, request, devNull, nullptr);
    }
    state.SetItemsProcessed(readings);
    std::fclose(devNull);
}

}  // namespace

static void ScanCsv(benchmark::State& state) {
    Scan(state, cli::ScanFormat::Csv, false);
}
static void ScanJsonLines(benchmark::State& state) {
    Scan(state, cli::ScanFormat::JsonLines, false);
}
static void ScanChangesOnly(benchmark::State& state) {
    Scan(state, cli::ScanFormat::Csv, true);
}
BENCHMARK(ScanCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanJsonLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanChangesOnly)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
