// The atlas while a user types a town, and a zone's offset looked up at a
// universal moment (once through the zone database, once from a timeline).
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QString>

#include "places/atlas.h"
#include "places/zone_resolution.h"
#include "places/zone_timeline.h"

using namespace zkc::places;

namespace {

// Each keystroke of "Madrid" and of "Brest, France" queries the atlas anew.
void AtlasQueryWhileTyping(benchmark::State& state) {
    const QStringList typed = {"Ma",       "Mad",       "Madr",         "Madri", "Madrid",
                               "Br",       "Bre",       "Bres",         "Brest", "Brest,",
                               "Brest, F", "Brest, Fr", "Brest, France"};
    Atlas::Shared();  // read once, as the window does before the first keystroke
    for (auto _ : state) {
        Atlas::Shared().ForgetAnswers();  // every search afresh
        for (const QString& text : typed) {
            benchmark::DoNotOptimize(Atlas::Shared().Find(text, 10));
        }
    }
    state.SetItemsProcessed(state.iterations() * typed.size());
    state.SetLabel("items = queries");
}

void ZoneOffsetFromDatabase(benchmark::State& state) {
    const qint64 start = QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    qint64 minute = start / 60;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OffsetAtUtc("Europe/Madrid", minute * 60));
        minute += 10;
    }
}

void ZoneOffsetFromTimeline(benchmark::State& state) {
    const qint64 from = QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 to = QDateTime(QDate(2050, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const ZoneTimeline timeline("Europe/Madrid", from, to);
    qint64 minute = from / 60;
    for (auto _ : state) {
        benchmark::DoNotOptimize(timeline.OffsetMinutesAt(minute));
        minute += 10;
    }
}

}  // namespace

BENCHMARK(AtlasQueryWhileTyping)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoneOffsetFromDatabase)->Unit(benchmark::kMicrosecond);
BENCHMARK(ZoneOffsetFromTimeline)->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
