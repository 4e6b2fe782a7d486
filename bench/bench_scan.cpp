// Readings per second of a scan over many days, written to /dev/null: one
// birth chart, then a day chart, the placements and a CSV row per moment.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "cli/scan.h"

using namespace zkc;

namespace {

ChartInput Place(int year, int month, int day, int hour, int minute) {
    ChartInput in;
    in.Year = static_cast<std::int16_t>(year);
    in.Month = static_cast<std::int16_t>(month);
    in.Day = static_cast<std::int16_t>(day);
    in.Hour = static_cast<std::int16_t>(hour);
    in.Minute = static_cast<std::int16_t>(minute);
    in.ZoneHours = 5;
    in.ZoneMinutes = 30;
    in.LongitudeDegrees = 77;
    in.LongitudeMinutes = 13;
    in.IsEast = true;
    in.LatitudeDegrees = 28;
    in.LatitudeMinutes = 39;
    return in;
}

void Scan(benchmark::State& state, cli::ScanFormat format, bool changesOnly) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    const ChartInput birth = Place(1990, 1, 26, 16, 5);
    const ChartInput day = Place(2026, 12, 8, 0, 0);
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
