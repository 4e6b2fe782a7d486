// The transit search: every change of standing for one birth over a century
// (1950 to 2050) on one thread, and a year of them as the window asks for.
//
// The stable figure is its instruction count:
//   bench/count_instructions.sh build/bench/bench/bench_events Century CenturyForCounting
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench_inputs.h"
#include "cli/events.h"
#include "transits/standing_search.h"

using namespace zkc;

namespace {

const ChartInput kBirth = bench::AtDelhi(1990, 1, 26, 16, 5);
const ChartInput kDay = bench::AtDelhi(1950, 1, 1, 0, 0);

}  // namespace

// Kept out of line so that callgrind can count exactly one century, the
// table written out included.
[[gnu::noinline]] void CenturyForCounting(std::FILE* out) {
    cli::EventRequest request;
    request.Until = {2050, 1, 1, 0, 0};
    request.Format = cli::EventFormat::Csv;
    request.Jobs = 1;
    cli::RunEvents(kBirth, kDay, request, out, nullptr);
    benchmark::ClobberMemory();  // not a tail call: callgrind sees this function call it
}

static void Century(benchmark::State& state) {
    std::FILE* devNull = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        CenturyForCounting(devNull);
    }
    std::fclose(devNull);
}
BENCHMARK(Century)->Unit(benchmark::kMillisecond)->Iterations(1);

static void YearAhead(benchmark::State& state) {
    const FixedOffsetClock clock = ClockOfDayInput(kDay);
    const std::int64_t after = LocalMinutesOf(bench::AtDelhi(2026, 12, 8, 9, 0)) - 330;
    for (auto _ : state) {
        StandingSearch search(kDay, clock);
        benchmark::DoNotOptimize(search.Find(after, after + 365 * 1440).size());
    }
}
BENCHMARK(YearAhead)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
