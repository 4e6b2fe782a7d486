// The transit search against the brute force it stands for: a reading at
// every single minute. Windows are chosen where a search could go wrong:
// planets at their stations close to a stretch end, bodies crossing into and
// out of Abhijit, the nodes' jump, a change of the clock's offset, and
// windows at random over the admitted years.
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

#include "chart_inputs.h"
#include "engine/chart_positions.h"
#include "transits/day_longitudes.h"
#include "transits/kota_standing.h"
#include "transits/standing_search.h"
#include "transits/transit_timeline.h"

using namespace zkc;

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;

ChartInput DelhiDay() {
    return test::MakeInput(2000, 1, 1, 12, 0, 5, 30, test::kDelhi);
}

std::int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0) {
    return MinutesSince1970({year, month, day, hour, minute});
}

// Every minute of (after, last], all nine bodies read at once.
std::vector<StandingChange> ByEveryMinute(const ChartInput& day, const LocalClock& clock,
                                          std::int64_t after, std::int64_t last) {
    DayMoments moments(day, clock);
    std::array<KotaNakshatra, kPlacedBodies> previous{};
    std::vector<StandingChange> changes;
    for (std::int64_t t = after; t <= last; ++t) {
        const std::array<double, kPlacedBodies> longitudes = PlacedBodyLongitudes(moments.At(t));
        for (int body = 0; body < kPlacedBodies; ++body) {
            const KotaNakshatra k =
                KotaNakshatraOfLongitude(longitudes[static_cast<std::size_t>(body)]);
            if (t > after && k != previous[static_cast<std::size_t>(body)]) {
                changes.push_back({t, body, previous[static_cast<std::size_t>(body)], k});
            }
            previous[static_cast<std::size_t>(body)] = k;
        }
    }
    return changes;
}

QString Describe(const std::vector<StandingChange>& changes, std::size_t i) {
    if (i >= changes.size()) {
        return "nothing";
    }
    const StandingChange& c = changes[i];
    const CalendarMoment m = MomentFromMinutes(c.utcMinutes);
    return QString("%1 %2→%3 at %4-%5-%6 %7:%8 UTC")
        .arg(test::Q(BodyNames[static_cast<std::size_t>(c.body)]))
        .arg(c.from)
        .arg(c.to)
        .arg(m.Year)
        .arg(m.Month)
        .arg(m.Day)
        .arg(m.Hour)
        .arg(m.Minute);
}

void CompareWithEveryMinute(const ChartInput& day, const LocalClock& clock, std::int64_t after,
                            std::int64_t last) {
    const std::vector<StandingChange> expected = ByEveryMinute(day, clock, after, last);
    const std::vector<StandingChange> found = StandingSearch(day, clock).Find(after, last);
    const auto mismatch =
        std::mismatch(expected.begin(), expected.end(), found.begin(), found.end());
    const auto i = static_cast<std::size_t>(mismatch.first - expected.begin());
    QVERIFY2(mismatch.first == expected.end() && mismatch.second == found.end(),
             qPrintable(QString("change %1 of %2: expected %3, found %4 (tolerance: none)")
                            .arg(i + 1)
                            .arg(expected.size())
                            .arg(Describe(expected, i), Describe(found, i))));
}

// A planet's station: the day its motion turns, and how far it then stands
// from the nearer end of its stretch.
struct Station {
    std::int64_t utc;
    double edgeDistanceDegrees;
};

std::vector<Station> StationsOf(int body) {
    const ChartInput day = DelhiDay();
    const FixedOffsetClock clock = ClockOfDayInput(day);
    DayMoments moments(day, clock);
    const auto longitude = [&](std::int64_t t) {
        return SightPlanet(body, PlanetMomentOf(moments.At(t))).siderealDegrees;
    };
    const auto turned = [](double a, double b) {
        const double d = std::fmod(b - a + 540.0, 360.0) - 180.0;
        return d;
    };
    std::vector<Station> stations;
    double before = longitude(Utc(1901, 1, 2));
    double now = longitude(Utc(1901, 1, 3));
    for (std::int64_t t = Utc(1901, 1, 4); t < Utc(2050, 12, 30); t += kMinutesPerDay) {
        const double next = longitude(t);
        if ((turned(before, now) > 0) != (turned(now, next) > 0)) {
            const KotaStretch s = StretchOf(KotaNakshatraOfLongitude(now));
            stations.push_back(
                {t - kMinutesPerDay, std::min(now - s.firstDegrees, s.endDegrees - now)});
        }
        before = now;
        now = next;
    }
    return stations;
}

// Offsets that change twice a year, as a zone with daylight saving does.
class SummerTimeClock : public LocalClock {
  public:
    int OffsetMinutesAt(std::int64_t utc) const override {
        const CalendarMoment m = MomentFromMinutes(utc);
        return m.Month >= 4 && m.Month <= 9 ? 120 : 60;
    }
    std::int64_t UtcMinutesOf(std::int64_t local) const override {
        return local - OffsetMinutesAt(local - 60);
    }
};

}  // namespace

class TestStandingSearch : public QObject {
    Q_OBJECT

  private slots:
    // Mercury, Venus and Mars at the stations closest to a stretch end in
    // 1901–2050, where a planet can cross an end and come back within hours.
    void stationsCloseToAnEnd_data() {
        QTest::addColumn<qint64>("station");
        for (int body : {kMercury, kVenus, kMars}) {
            std::vector<Station> stations = StationsOf(body);
            std::sort(stations.begin(), stations.end(), [](const Station& a, const Station& b) {
                return a.edgeDistanceDegrees < b.edgeDistanceDegrees;
            });
            for (std::size_t i = 0; i < 3; ++i) {
                const CalendarMoment m = MomentFromMinutes(stations[i].utc);
                const QByteArray name = QString("%1 %2-%3-%4, %5° from an end")
                                            .arg(test::Q(BodyNames[static_cast<std::size_t>(body)]))
                                            .arg(m.Year)
                                            .arg(m.Month)
                                            .arg(m.Day)
                                            .arg(stations[i].edgeDistanceDegrees, 0, 'g', 2)
                                            .toUtf8();
                QTest::newRow(name.constData()) << qint64(stations[i].utc);
            }
        }
    }
    void stationsCloseToAnEnd() {
        QFETCH(qint64, station);
        const ChartInput day = DelhiDay();
        CompareWithEveryMinute(day, ClockOfDayInput(day), station - 3 * kMinutesPerDay,
                               station + 3 * kMinutesPerDay);
    }

    // Into and out of Abhijit (0° 00′ to 10° 00′ of Capricorn): the Moon,
    // the Sun and Mercury, and the Moon at the Abhijit birth stretch's ends.
    void acrossAbhijit_data() {
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("days");
        QTest::newRow("Moon into and out of Abhijit, 2031")
            << qint64(Utc(2031, 1, 22)) << qint64(2);
        QTest::newRow("Moon into and out of Abhijit, 1913")
            << qint64(Utc(1913, 3, 30)) << qint64(2);
        QTest::newRow("Sun into Abhijit, 1960") << qint64(Utc(1960, 1, 12)) << qint64(4);
        QTest::newRow("Sun out of Abhijit, 2049") << qint64(Utc(2049, 1, 22)) << qint64(4);
        QTest::newRow("Mercury through Capricorn, 1988") << qint64(Utc(1988, 1, 10)) << qint64(12);
    }
    void acrossAbhijit() {
        QFETCH(qint64, from);
        QFETCH(qint64, days);
        const ChartInput day = DelhiDay();
        const FixedOffsetClock clock = ClockOfDayInput(day);
        StandingSearch search(day, clock);
        const std::vector<StandingChange> found = search.Find(from, from + days * kMinutesPerDay);
        const bool touchesAbhijit = std::any_of(
            found.begin(), found.end(),
            [](const StandingChange& c) { return c.from == kAbhijit || c.to == kAbhijit; });
        QVERIFY2(touchesAbhijit, "the window holds no change into or out of Abhijit");
        CompareWithEveryMinute(day, clock, from, from + days * kMinutesPerDay);
    }

    // Once per turn of the node its rule jumps a little; June 2006.
    void acrossTheNodesJump() {
        const ChartInput day = DelhiDay();
        CompareWithEveryMinute(day, ClockOfDayInput(day), Utc(2006, 6, 18), Utc(2006, 6, 23));
    }

    // Days at random over the admitted years, at places east and west.
    void randomDays() {
        std::mt19937 random(11);
        std::uniform_int_distribution<std::int64_t> start(Utc(1901, 1, 2), Utc(2050, 12, 29));
        for (int i = 0; i < 12; ++i) {
            ChartInput day =
                i % 2 ? DelhiDay()
                      : test::MakeInput(2000, 1, 1, 0, 0, 7, 0, {122, 25, false, 37, 46, false});
            const std::int64_t from = start(random);
            CompareWithEveryMinute(day, ClockOfDayInput(day), from, from + kMinutesPerDay);
        }
    }

    // With an offset that changes, minutes are still universal time and each
    // reading is made from the local clock in force.
    void acrossAChangeOfOffset() {
        ChartInput day = test::MakeInput(2024, 3, 30, 12, 0, 1, 0, {2, 21, true, 48, 51, false});
        day.UtcOffsetMinutes = 60;
        day.TimeZone = "Europe/Paris";
        const SummerTimeClock clock;
        CompareWithEveryMinute(day, clock, Utc(2024, 3, 30, 12), Utc(2024, 4, 2, 12));
    }

    // A year ahead from the last days the pages admit ends with 2050.
    void comingChangesStopAtTheLastAdmittedMinute() {
        ChartInput day = DelhiDay();
        day.Year = 2050;
        day.Month = 12;
        day.Day = 20;
        const std::vector<TransitRow> rows =
            ComingTransits(DelhiDay(), day, ClockOfDayInput(day), 365);
        QVERIFY(!rows.empty());
        const CalendarMoment last = rows.back().local;
        QVERIFY2(last.Year == 2050,
                 qPrintable(QString("last change in %1, expected 2050").arg(last.Year)));
    }

    // Cut into pieces on any number of threads, the search finds the same.
    void anyNumberOfThreadsFindsTheSame() {
        const ChartInput day = DelhiDay();
        const FixedOffsetClock clock = ClockOfDayInput(day);
        const std::int64_t after = Utc(2026, 12, 8, 3, 30);
        const std::int64_t last = Utc(2028, 2, 1, 17, 45);
        const std::vector<StandingChange> whole = StandingSearch(day, clock).Find(after, last);
        QVERIFY(whole.size() > 400);
        for (int jobs : {1, 2, 7}) {
            std::vector<StandingChange> pieces;
            std::int64_t reached = after;
            const bool completed = FindStandingChanges(
                day, clock, after, last, jobs,
                [&](std::vector<StandingChange>&& changes, std::int64_t through) {
                    pieces.insert(pieces.end(), changes.begin(), changes.end());
                    reached = through;
                    return true;
                });
            QVERIFY(completed);
            QCOMPARE(reached, last);
            QVERIFY2(pieces == whole, qPrintable(QString("jobs %1: %2 changes, expected %3")
                                                     .arg(jobs)
                                                     .arg(pieces.size())
                                                     .arg(whole.size())));
        }
        // Stopping after the first piece hands over nothing more.
        int handed = 0;
        QVERIFY(!FindStandingChanges(day, clock, after, last, 2,
                                     [&](std::vector<StandingChange>&&, std::int64_t) {
                                         ++handed;
                                         return false;
                                     }));
        QCOMPARE(handed, 1);
    }
};

QTEST_APPLESS_MAIN(TestStandingSearch)
#include "tst_standing_search.moc"
