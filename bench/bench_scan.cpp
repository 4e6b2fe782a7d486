// Readings per second of a scan over many days, written to /dev/null: one
// birth chart, then a day chart, the placements and a CSV row per moment.
//
// The stable figure is the instruction count of a CSV row:
//   bench/count_instructions.sh build/bench/bench/bench_scan CsvRows
//       TenThousandCsvRowsForCounting 10000   (one line)
// and, for the chart pass with its position texts that scans were made by
// before, TextPath instead of CsvRows.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench_inputs.h"
#include "cli/scan.h"
#include "engine/calendar.h"
#include "places/zone_clock.h"

using namespace zkc;

namespace {

const ChartInput kBirth = bench::AtDelhi(1990, 1, 26, 16, 5);
const ChartInput kDay = bench::AtDelhi(2026, 12, 8, 0, 0);

std::int64_t RowsOf(const cli::ScanRequest& request) {
    const CalendarMoment start{kDay.Year, kDay.Month, kDay.Day, kDay.Hour, kDay.Minute};
    return (MinutesSince1970(request.Until) - MinutesSince1970(start)) / request.StepMinutes + 1;
}

void Scan(benchmark::State& state, cli::ScanFormat format, bool changesOnly, int jobs) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    cli::ScanRequest request;
    request.Until = {2027, 12, 8, 0, 0};  // a year in steps of ten minutes
    request.StepMinutes = 10;
    request.Format = format;
    request.ChangesOnly = changesOnly;
    request.Jobs = jobs;
    for (auto _ : state) {
        cli::RunScan(kBirth, kDay, request, devNull, nullptr);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * RowsOf(request));
    std::fclose(devNull);
}

// Ten thousand one-minute rows on one thread, by either path.
cli::ScanRequest TenThousandRows(cli::ScanPath path) {
    cli::ScanRequest request;
    request.Until = {2026, 12, 14, 22, 39};  // 10,000 minutes after the start
    request.StepMinutes = 1;
    request.Path = path;
    request.Jobs = 1;
    return request;
}

}  // namespace

// Kept out of line so that callgrind can count exactly one such scan.
[[gnu::noinline]] void TenThousandCsvRowsForCounting(const cli::ScanRequest& request,
                                                     std::FILE* out) {
    cli::RunScan(kBirth, kDay, request, out, nullptr);
    benchmark::ClobberMemory();  // not a tail call: callgrind sees this function call it
}

static void CountedRows(benchmark::State& state, cli::ScanPath path) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    const cli::ScanRequest request = TenThousandRows(path);
    for (auto _ : state) {
        TenThousandCsvRowsForCounting(request, devNull);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * RowsOf(request));
    std::fclose(devNull);
}

// The same year of rows for a day bound to a zone: each row asks the zone's
// clock for the offset in force, which should cost nothing measurable.
static void ScanCsvWithZone(benchmark::State& state) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    cli::ScanRequest request;
    request.Until = {2027, 12, 8, 0, 0};
    request.StepMinutes = 10;
    request.Jobs = 1;
    ChartInput day = kDay;
    day.UtcOffsetMinutes = 330;
    day.TimeZone = "Asia/Kolkata";
    const places::DayClock clock(day, 366);
    for (auto _ : state) {
        cli::RunScan(kBirth, day, clock.Clock(), request, devNull, nullptr);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * RowsOf(request));
    std::fclose(devNull);
}

static void CsvRows(benchmark::State& state) {
    CountedRows(state, cli::ScanPath::Numbers);
}
static void TextPath(benchmark::State& state) {
    CountedRows(state, cli::ScanPath::Texts);
}
static void ScanCsv(benchmark::State& state) {
    Scan(state, cli::ScanFormat::Csv, false, 1);
}
static void ScanCsvTwoJobs(benchmark::State& state) {
    Scan(state, cli::ScanFormat::Csv, false, 2);
}
static void ScanJsonLines(benchmark::State& state) {
    Scan(state, cli::ScanFormat::JsonLines, false, 1);
}
static void ScanChangesOnly(benchmark::State& state) {
    Scan(state, cli::ScanFormat::Csv, true, 1);
}
BENCHMARK(CsvRows)->Unit(benchmark::kMillisecond);
BENCHMARK(TextPath)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanCsvWithZone)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanCsvTwoJobs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScanJsonLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanChangesOnly)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
