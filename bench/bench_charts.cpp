// Cost of one chart pass and of one complete two-chart calculation.
//
// Wall-clock figures on shared machines are noisy; the instruction count of
// one chart is the stable figure:
//   valgrind --tool=callgrind --toggle-collect='*OneChartForCounting*'
//       build/bench/bench/bench_charts --benchmark_filter=OneChart
// (one line), and divide the total by the calls counted.
#include <benchmark/benchmark.h>

#include "bench_inputs.h"
#include "driver/chart_calculation.h"

using namespace zkc;

namespace {

ChartInput Birth() {
    return bench::AtDelhi(1980, 6, 15, 10, 30);
}

ChartInput Day(int minute) {
    ChartInput in;
    in.Year = 2026;
    in.Month = 12;
    in.Day = 8;
    in.Hour = static_cast<std::int16_t>(minute / 60 % 24);
    in.Minute = static_cast<std::int16_t>(minute % 60);
    in.LatitudeDegrees = 51;
    in.LatitudeMinutes = 30;
    return in;
}

}  // namespace

// Kept out of line so that callgrind can count exactly one chart pass.
[[gnu::noinline]] void OneChartForCounting(ChartCalculation& calc, const ChartInput& in) {
    calc.CalculateOracle(in);
}

static void OneChart(benchmark::State& state) {
    ChartCalculation calc;
    int minute = 0;
    for (auto _ : state) {
        OneChartForCounting(calc, Day(minute++));
        benchmark::DoNotOptimize(calc.OracleChart().Positions.PositionTexts[0].data());
    }
}
BENCHMARK(OneChart);

static void BothCharts(benchmark::State& state) {
    ChartCalculation calc;
    const ChartInput birth = Birth();
    int minute = 0;
    for (auto _ : state) {
        calc.Calculate(birth, Day(minute++));
        benchmark::DoNotOptimize(calc.OracleChart().Positions.PositionTexts[0].data());
    }
}
BENCHMARK(BothCharts);

BENCHMARK_MAIN();
