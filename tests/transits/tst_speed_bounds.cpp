// The bounds the transit search steps by, against the formulas themselves
// sampled over the whole admitted range: no body ever moves faster (or, for
// the bodies that only go one way, slower or backward) than its bound says.
#include <QtTest>
#include <cmath>

#include "engine/chart_positions.h"
#include "engine/geocentric_longitude.h"
#include "transits/day_longitudes.h"
#include "transits/local_clock.h"
#include "transits/speed_bounds.h"

using namespace zkc;

namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kDegreesPerRadian = 57.29577951308232;

// Two readings one minute apart differ by the motion and at most twice the
// noise of one evaluation.
constexpr double kNoisePerMinuteDegrees = 2 * kEvaluationNoiseDegrees;

// Samples from 1 January 1901 to 31 December 2050, universal time, 1.37 days
// apart (so that they fall at every hour of the day and every phase).
constexpr std::int64_t kFirstUtc = -35063LL * 1440;  // 1901-01-01
constexpr std::int64_t kLastUtc = 29219LL * 1440;    // 2050-01-01
constexpr std::int64_t kSampleStepMinutes = 1973;

double Turned(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    return d > 180 ? d - 360 : d <= -180 ? d + 360 : d;
}

struct Reader {
    ChartInput greenwich = [] {
        ChartInput in;
        in.Year = 2000;
        in.Month = 1;
        in.Day = 1;
        return in;
    }();
    FixedOffsetClock clock{0};
    DayMoments moments{greenwich, clock};

    double Longitude(int body, std::int64_t utc) {
        const ChartInput& in = moments.At(utc);
        if (body == kMoon) {
            return MoonLongitude(in);
        }
        if (body == kRahu || body == kKetu) {
            return NodeLongitude(body, PlanetMomentOf(in));
        }
        return SightPlanet(body, PlanetMomentOf(in)).siderealDegrees;
    }
    double Distance(int body, std::int64_t utc) {
        const GeocentricVector v = SightPlanet(body, PlanetMomentOf(moments.At(utc))).fromEarth;
        return std::hypot(v.xAu, v.yAu);
    }
};

QString Exceeded(const char* what, double expectedAtMost, double actual, double tolerance) {
    return QString("%1: expected at most %2, got %3 (tolerance %4)")
        .arg(what)
        .arg(expectedAtMost, 0, 'g', 10)
        .arg(actual, 0, 'g', 10)
        .arg(tolerance, 0, 'g', 3);
}

}  // namespace

class TestSpeedBounds : public QObject {
    Q_OBJECT

  private slots:
    // The Moon, the Sun and the nodes: one way only, between their bounds.
    void oneWayBodiesStayWithinTheirBounds_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("fastest");  // degrees a day, in the direction of motion
        QTest::addColumn<double>("slowest");
        QTest::addColumn<int>("direction");
        QTest::newRow("Moon") << int(kMoon) << MoonSpeedBoundDegreesPerDay()
                              << MoonSpeedLowerBoundDegreesPerDay() << 1;
        QTest::newRow("Sun") << int(kSun) << SunSpeedBoundDegreesPerDay()
                             << SunSpeedLowerBoundDegreesPerDay() << 1;
        QTest::newRow("Rahu") << int(kRahu) << NodeSpeedBoundDegreesPerDay()
                              << NodeSpeedLowerBoundDegreesPerDay() << -1;
        QTest::newRow("Ketu") << int(kKetu) << NodeSpeedBoundDegreesPerDay()
                              << NodeSpeedLowerBoundDegreesPerDay() << -1;
    }
    void oneWayBodiesStayWithinTheirBounds() {
        QFETCH(int, body);
        QFETCH(double, fastest);
        QFETCH(double, slowest);
        QFETCH(int, direction);
        QVERIFY2(slowest > 4 * kEvaluationNoiseDegrees * kMinutesPerDay,
                 "the lower bound must keep successive minutes apart");
        Reader r;
        double observedFastest = 0;
        double observedSlowest = 1e9;
        for (std::int64_t t = kFirstUtc; t < kLastUtc; t += kSampleStepMinutes) {
            const double perMinute =
                direction * Turned(r.Longitude(body, t), r.Longitude(body, t + 1));
            if (std::fabs(perMinute) > 0.01 && (body == kRahu || body == kKetu)) {
                continue;  // the nodes' jump, checked on its own below
            }
            observedFastest = std::max(observedFastest, perMinute * kMinutesPerDay);
            observedSlowest = std::min(observedSlowest, perMinute * kMinutesPerDay);
        }
        const double tolerance = kNoisePerMinuteDegrees * kMinutesPerDay;
        QVERIFY2(
            observedFastest <= fastest + tolerance,
            qPrintable(Exceeded("fastest, degrees a day", fastest, observedFastest, tolerance)));
        QVERIFY2(observedSlowest >= slowest - tolerance,
                 qPrintable(QString("slowest, degrees a day: expected at least %1, got %2 "
                                    "(tolerance %3)")
                                .arg(slowest)
                                .arg(observedSlowest)
                                .arg(tolerance)));
        // Bounds far above the motion would only slow the search down.
        QVERIFY2(
            observedFastest > 0.8 * fastest,
            qPrintable(
                QString("bound %1 is loose: fastest seen %2").arg(fastest).arg(observedFastest)));
    }

    // Once per turn of the node (June 2006 here) its rule jumps, backward,
    // by less than the allowance.
    void theNodesJumpBackwardWithinTheirAllowance() {
        Reader r;
        const std::int64_t around = 13319LL * 1440;  // 2006-06-20, universal time
        double largest = 0;
        for (std::int64_t t = around - 2880; t < around + 2880; ++t) {
            const double step = Turned(r.Longitude(kRahu, t), r.Longitude(kRahu, t + 1));
            QVERIFY2(step < 0, "Rahu moved forward");
            largest = std::max(largest, -step);
        }
        const double perMinute = NodeSpeedBoundDegreesPerDay() / kMinutesPerDay;
        QVERIFY2(largest > 10 * perMinute, "no jump found in June 2006");
        QVERIFY2(largest <= NodeJumpBoundDegrees() + perMinute,
                 qPrintable(Exceeded("jump, degrees", NodeJumpBoundDegrees() + perMinute, largest,
                                     kNoisePerMinuteDegrees)));
    }

    // Planets: no faster than W / ρ where they stand, the speed changing no
    // faster than the acceleration bound, and the global bound above both.
    void planetsStayWithinTheirBounds_data() {
        QTest::addColumn<int>("body");
        for (int body = kMercury; body <= kSaturn; ++body) {
            QTest::newRow(BodyNames[static_cast<std::size_t>(body)].data()) << body;
        }
    }
    void planetsStayWithinTheirBounds() {
        QFETCH(int, body);
        const PlanetGeometryBounds b = PlanetBounds(body);
        const double global = PlanetSpeedBoundDegreesPerDay(body);
        constexpr std::int64_t kHour = 60;
        Reader r;
        double worstSpeedShare = 0;
        double worstAccelerationShare = 0;
        for (std::int64_t t = kFirstUtc; t < kLastUtc; t += kSampleStepMinutes) {
            const double rho = r.Distance(body, t);
            QVERIFY2(
                rho >= b.distanceMinAu,
                qPrintable(
                    QString("distance %1 AU below the least %2 AU").arg(rho).arg(b.distanceMinAu)));
            const double x0 = r.Longitude(body, t - kHour);
            const double x1 = r.Longitude(body, t);
            const double x2 = r.Longitude(body, t + kHour);
            const double speed = std::fabs(Turned(x1, x2)) * 24;  // degrees a day
            const double speedBound =
                (b.relativeSpeedAuPerDay / (rho - b.relativeSpeedAuPerDay / 24)) *
                    kDegreesPerRadian +
                AyanamsaSpeedBoundDegreesPerDay();
            QVERIFY2(speed <= speedBound + 24 * kNoisePerMinuteDegrees,
                     qPrintable(Exceeded("speed, degrees a day", speedBound, speed,
                                         24 * kNoisePerMinuteDegrees)));
            QVERIFY2(speed <= global, qPrintable(Exceeded("global speed", global, speed, 0)));
            const double acceleration =
                std::fabs(Turned(x1, x2) - Turned(x0, x1)) * 24 * 24 / kDegreesPerRadian;
            const double accelerationBound =
                PlanetAccelerationBoundRadiansPerDay2(b, rho - b.relativeSpeedAuPerDay / 24);
            const double noise = 4 * kEvaluationNoiseDegrees * 24 * 24 / kDegreesPerRadian;
            QVERIFY2(acceleration <= accelerationBound + noise,
                     qPrintable(Exceeded("acceleration, radians a day²", accelerationBound,
                                         acceleration, noise)));
            worstSpeedShare = std::max(worstSpeedShare, speed / speedBound);
            worstAccelerationShare =
                std::max(worstAccelerationShare, acceleration / accelerationBound);
        }
        qInfo("%s: fastest %.0f%% of its bound where it stood, greatest acceleration %.1f%%",
              BodyNames[static_cast<std::size_t>(body)].data(), 100 * worstSpeedShare,
              100 * worstAccelerationShare);
    }
};

QTEST_APPLESS_MAIN(TestSpeedBounds)
#include "tst_speed_bounds.moc"
