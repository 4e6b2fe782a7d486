// Readings per second of a scan over many days, written to /dev/null: one
// birth chart, then a day chart, the placements and a CSV row per moment.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench_inputs.h"
#include "cli/scan.h"
#include "engine/calendar.h"

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
    const CalendarMoment start{day.Year, day.Month, day.Day, day.Hour, day.Minute};
    const std::int64_t readingsPerScan =
        (MinutesSince1970(request.Until) - MinutesSince1970(start)) / request.StepMinutes + 1;
    for (auto _ : state) {
        cli::RunScan(birth, day, request, devNull, nullptr);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * readingsPerScan);
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
