// Readings per second of kotachakra-cli --batch over a CSV file of charts,
// each row its own birth and day, written as CSV to /dev/null.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "cli/batch.h"

using namespace zkc;

namespace {

constexpr int kRows = 20000;

// Rows with births and days spread over the years the pages admit.
QString WriteRows(const QTemporaryDir& dir) {
    const QString path = dir.filePath("charts.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(
        "birth.Name,birth.Month,birth.Day,birth.Year,birth.Hour,birth.Minute,birth.ZoneHours,"
        "birth.ZoneMinutes,birth.LongitudeDegrees,birth.LongitudeMinutes,birth.IsEast,"
        "birth.LatitudeDegrees,birth.LatitudeMinutes,birth.IsSouth,birth.IsDaylightSaving,"
        "day.Month,day.Day,day.Year,day.Hour,day.Minute,day.ZoneHours,day.ZoneMinutes,"
        "day.LongitudeDegrees,day.LongitudeMinutes,day.IsEast,day.LatitudeDegrees,"
        "day.LatitudeMinutes,day.IsSouth,day.IsDaylightSaving\n");
    for (int i = 0; i < kRows; ++i) {
        file.write(QString("Person %1,%2,%3,%4,%5,%6,5,30,77,13,true,28,39,false,false,"
                           "%7,%8,%9,%10,%11,5,30,72,50,true,18,58,false,false\n")
                       .arg(i)
                       .arg(1 + i % 12)
                       .arg(1 + i % 28)
                       .arg(1901 + i % 150)
                       .arg(i % 24)
                       .arg(i % 60)
                       .arg(1 + (i * 7) % 12)
                       .arg(1 + (i * 3) % 28)
                       .arg(1950 + (i * 11) % 100)
                       .arg((i * 5) % 24)
                       .arg((i * 13) % 60)
                       .toUtf8());
    }
    return path;
}

void BatchCsv(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteRows(dir);
    std::FILE* devNull = std::fopen("/dev/null", "w");
    std::FILE* err = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::RunBatch(path, cli::BatchOutput::Csv, devNull, err));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    std::fclose(devNull);
    std::fclose(err);
}

}  // namespace

BENCHMARK(BatchCsv)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
