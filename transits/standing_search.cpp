#include "transits/standing_search.h"

#include <algorithm>
#include <cmath>

#include "engine/chart_positions.h"
#include "transits/day_longitudes.h"
#include "transits/kota_standing.h"
#include "transits/speed_bounds.h"

namespace zkc {
namespace {

// Why no change is missed
// -----------------------
// A body's nakshatra at a minute is a function of the longitude computed for
// that minute: the arc-minute its position text names. Each nakshatra holds
// one unbroken stretch of longitude, so the nakshatra changes only where the
// longitude reaches an end of its stretch.
//
// Every longitude is a formula of time whose speed is bounded over the whole
// range the pages admit: speed_bounds.h derives each bound from the formula's
// own terms, and a test checks them against the formulas sampled over the
// range. A computed value differs from its formula's exact value by far less
// than kEvaluationNoiseDegrees (ε), and the truncation to arc-minutes agrees
// with the exact stretch ends except within rounding of them.
//
// Two facts are used, and nothing else:
//
// 1. Steady spans. A body D degrees inside its stretch (less 2ε, and for the
//    nodes less the one jump their rule makes per turn) cannot reach an end
//    within D / (speed bound) minutes, whatever it does meanwhile, stations
//    and retrograde loops included. Every one of those minutes keeps its
//    nakshatra. If the minute right after the span differs, the change is
//    exactly there.
//
// 2. One-way stretches. Where a body provably moves one way at more than 4ε a
//    minute, the longitudes computed at successive minutes strictly advance,
//    so its nakshatras come in ring order: two minutes with the same nakshatra
//    (less than a turn apart) enclose only that nakshatra, and the first
//    minute of a new one can be found by bisection. The Moon and the Sun
//    always move forward and the nodes always backward (their speed bounds
//    from below are positive). A planet's direction is read from the two
//    latest longitudes: their mean speed s is the exact speed somewhere
//    between them, and the speed cannot change faster than the planet's
//    acceleration bound A, so it keeps its sign for (s − 4ε) / A after that
//    point. Near a station s is small and this gives nothing; there the
//    search relies on steady spans alone, down to reading every minute
//    where a planet stands still close to an end.
//
// A planet's speed bound comes from where it stands: its longitude moves at
// most W / ρ radians a day (W the greatest relative speed of planet and
// Earth, ρ their distance in the ecliptic, read off each reading), and ρ
// shrinks by at most W a day.
//
// One thing is taken on trust: ArcTan2 answers 0 instead of 180° for a
// geocentric vector whose y is exactly 0.0 and whose x is negative; a single
// minute with an exactly zero coordinate is not sought.

constexpr double kMinutesPerDay = 24 * 60;
constexpr double kRadiansPerDegree = 0.017453292519943295;

// Long spans gain nothing and keep the reasoning about the nodes' single
// jump and the planets' shrinking distance within one month.
constexpr std::int64_t kLongestSpanMinutes = 30 * 24 * 60;

struct Bounds {
    double moonPerMinute = MoonSpeedBoundDegreesPerDay() / kMinutesPerDay;
    double sunPerMinute = SunSpeedBoundDegreesPerDay() / kMinutesPerDay;
    double nodePerMinute = NodeSpeedBoundDegreesPerDay() / kMinutesPerDay;
    double nodeJump = NodeJumpBoundDegrees();
    double ayanamsaPerMinute = AyanamsaSpeedBoundDegreesPerDay() / kMinutesPerDay;
    std::array<PlanetGeometryBounds, kPlacedBodies> planets{};

    Bounds() {
        for (int body = kMercury; body <= kSaturn; ++body) {
            planets[static_cast<std::size_t>(body)] = PlanetBounds(body);
        }
    }
};

const Bounds& TheBounds() {
    static const Bounds bounds;
    return bounds;
}

std::int64_t WholeMinutes(double minutes) {
    if (!(minutes >= 1)) {
        return 0;
    }
    return std::min<std::int64_t>(kLongestSpanMinutes, static_cast<std::int64_t>(minutes));
}

// +1 for bodies that only move forward, −1 for those that only move back.
int FixedDirection(int body) {
    if (body == kMoon || body == kSun) {
        return 1;
    }
    return body == kRahu || body == kKetu ? -1 : 0;
}

// Longitude difference b − a brought into (−180, 180].
double Turned(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    if (d > 180) {
        d -= 360;
    } else if (d <= -180) {
        d += 360;
    }
    return d;
}

}  // namespace

struct StandingSearch::Sample {
    std::int64_t minute = 0;
    double degrees = 0;  // reduced below 360
    KotaNakshatra nakshatra = -1;
    double distanceAu = 0;  // Sun and planets: ρ, a little less
};

struct StandingSearch::Motion {
    int direction = 0;               // +1, −1, or 0 where not proven
    std::int64_t throughMinute = 0;  // the direction holds up to here
    double degreesPerMinute = 0;     // an estimate, for guessing where the end lies
};

StandingSearch::StandingSearch(const ChartInput& day, const LocalClock& clock)
    : moments_(day, clock) {}

KotaNakshatra StandingSearch::NakshatraAt(int body, std::int64_t utcMinutes) {
    return Take(body, utcMinutes).nakshatra;
}

StandingSearch::Sample StandingSearch::Take(int body, std::int64_t utcMinutes) {
    ++evaluations_;
    const ChartInput& input = moments_.At(utcMinutes);
    Sample s;
    s.minute = utcMinutes;
    if (body == kMoon) {
        s.degrees = MoonLongitude(input);
    } else {
        const PlanetMoment moment = PlanetMomentOf(input);
        if (body == kRahu || body == kKetu) {
            s.degrees = NodeLongitude(body, moment);
        } else {
            const PlanetSighting sighting = SightPlanet(body, moment);
            s.degrees = sighting.siderealDegrees;
            // Rounding moves the distance by far less than a millionth.
            s.distanceAu = std::hypot(sighting.fromEarth.xAu, sighting.fromEarth.yAu) * (1 - 1e-6);
        }
    }
    s.nakshatra = KotaNakshatraOfLongitude(s.degrees);
    s.degrees = std::fabs(s.degrees);
    if (s.degrees >= 360) {
        s.degrees = std::fmod(s.degrees, 360.0);
    }
    return s;
}

StandingSearch::Motion StandingSearch::MotionAt(int body, const Sample& now,
                                                const Sample* before) const {
    const Bounds& bounds = TheBounds();
    Motion m;
    if (const int fixed = FixedDirection(body)) {
        m.direction = fixed;
        const double fastest = body == kMoon  ? bounds.moonPerMinute
                               : body == kSun ? bounds.sunPerMinute
                                              : bounds.nodePerMinute;
        // Less than most of a turn between two readings that are compared.
        m.throughMinute = now.minute + static_cast<std::int64_t>(300 / fastest);
        m.degreesPerMinute = before ? std::fabs(Turned(before->degrees, now.degrees)) /
                                          static_cast<double>(now.minute - before->minute)
                                    : fastest * 0.85;
        return m;
    }
    if (!before) {
        return m;
    }
    const PlanetGeometryBounds& b = bounds.planets[static_cast<std::size_t>(body)];
    const double speedPerMinute = b.relativeSpeedAuPerDay / kMinutesPerDay;
    // Within a quarter of ρ / W of now, ρ stays above three quarters of it.
    const double horizon = 0.25 * now.distanceAu / speedPerMinute;
    const double gap = static_cast<double>(now.minute - before->minute);
    if (gap > horizon) {
        return m;
    }
    const double accelerationPerMinute2 =
        PlanetAccelerationBoundRadiansPerDay2(b, 0.75 * now.distanceAu) / kRadiansPerDegree /
        (kMinutesPerDay * kMinutesPerDay);
    const double turned = Turned(before->degrees, now.degrees);
    const double slowest = std::fabs(turned) / gap - 2 * kEvaluationNoiseDegrees / gap;
    const double floor = 4 * kEvaluationNoiseDegrees;
    if (!(slowest > floor)) {
        return m;
    }
    const double lasting = (slowest - floor) / accelerationPerMinute2;
    const std::int64_t through =
        before->minute + static_cast<std::int64_t>(std::min(lasting, gap + horizon));
    if (through <= now.minute) {
        return m;
    }
    m.direction = turned > 0 ? 1 : -1;
    m.throughMinute = through;
    m.degreesPerMinute = std::fabs(turned) / gap;
    return m;
}

std::int64_t StandingSearch::SteadyMinutes(int body, const Sample& now,
                                           const Motion& motion) const {
    if (now.nakshatra < 0) {
        return 0;
    }
    const Bounds& bounds = TheBounds();
    // Minutes within which the body cannot move `room` degrees.
    const auto within = [&](double room) -> std::int64_t {
        room -= 2 * kEvaluationNoiseDegrees;
        if (body == kRahu || body == kKetu) {
            room -= bounds.nodeJump;
        }
        if (!(room > 0)) {
            return 0;
        }
        if (body == kMoon) {
            return WholeMinutes(room / bounds.moonPerMinute);
        }
        if (body == kSun) {
            return WholeMinutes(room / bounds.sunPerMinute);
        }
        if (body == kRahu || body == kKetu) {
            return WholeMinutes(room / bounds.nodePerMinute);
        }
        // A hundredth of the room for the sidereal correction, the rest for
        // the geocentric motion: over h minutes the planet turns at most
        // W h / (ρ − W h) radians, which stays within D for
        // h ≤ D ρ / (W (1 + D)).
        const PlanetGeometryBounds& b = bounds.planets[static_cast<std::size_t>(body)];
        const double geometric = 0.99 * room * kRadiansPerDegree;
        const double speedPerMinute = b.relativeSpeedAuPerDay / kMinutesPerDay;
        return WholeMinutes(
            std::min(geometric * now.distanceAu / (speedPerMinute * (1 + geometric)),
                     0.01 * room / bounds.ayanamsaPerMinute));
    };
    const KotaStretch stretch = StretchOf(now.nakshatra);
    const double up = stretch.endDegrees - now.degrees;
    const double down = now.degrees - stretch.firstDegrees;
    const std::int64_t eitherWay = within(std::min(up, down));
    if (motion.direction == 0) {
        return eitherWay;
    }
    // Moving one way, only the end ahead can be reached.
    const std::int64_t oneWay =
        std::min(within(motion.direction > 0 ? up : down), motion.throughMinute - now.minute);
    return std::max(eitherWay, oneWay);
}

void StandingSearch::FindForBody(int body, std::int64_t afterUtc, std::int64_t lastUtc,
                                 std::vector<StandingChange>& out) {
    Sample lo = Take(body, afterUtc);
    Sample before;
    bool hasBefore = false;
    const auto advance = [&](const Sample& s) {
        before = lo;
        hasBefore = true;
        lo = s;
    };
    for (;;) {
        const Motion motion = MotionAt(body, lo, hasBefore ? &before : nullptr);
        // Proven to keep lo's nakshatra: the span of fact 1 (or, one way,
        // of the end ahead alone).
        const std::int64_t certain = lo.minute + SteadyMinutes(body, lo, motion) + 1;
        if (certain > lastUtc) {
            return;
        }
        std::int64_t probe = certain;
        if (motion.direction != 0 && motion.degreesPerMinute > 0 && lo.nakshatra >= 0) {
            // Read where the end ahead is expected instead, when that lies
            // further: fact 2 finds the change if it came earlier.
            const KotaStretch stretch = StretchOf(lo.nakshatra);
            const double ahead = motion.direction > 0 ? stretch.endDegrees - lo.degrees
                                                      : lo.degrees - stretch.firstDegrees;
            const double expected = ahead / motion.degreesPerMinute;
            if (expected < 1e12) {
                const std::int64_t guess = lo.minute + static_cast<std::int64_t>(expected) + 1;
                probe = std::max(certain, std::min({guess, motion.throughMinute, lastUtc}));
            }
        }
        Sample hi = Take(body, probe);
        if (hi.nakshatra == lo.nakshatra) {
            advance(hi);
            continue;
        }
        if (probe > certain) {
            // One way through the span: bisect, guessing by the longitudes.
            const KotaStretch stretch = StretchOf(lo.nakshatra);
            const double edge = motion.direction > 0 ? stretch.endDegrees : stretch.firstDegrees;
            // Guesses in a row that kept (> 0) or left (< 0) the nakshatra;
            // after two on one side the guessing halves the span instead.
            int streak = 0;
            while (hi.minute > lo.minute + 1) {
                std::int64_t g = lo.minute + (hi.minute - lo.minute) / 2;
                const double toHi = std::fabs(Turned(lo.degrees, hi.degrees));
                if (streak > -2 && streak < 2 && toHi > 0) {
                    const double toEdge = std::fabs(Turned(lo.degrees, edge));
                    g = lo.minute +
                        static_cast<std::int64_t>(static_cast<double>(hi.minute - lo.minute) *
                                                  std::min(1.0, toEdge / toHi));
                }
                g = std::clamp(g, lo.minute + 1, hi.minute - 1);
                const Sample s = Take(body, g);
                if (s.nakshatra == lo.nakshatra) {
                    streak = streak > 0 ? streak + 1 : 1;
                    advance(s);
                } else {
                    streak = streak < 0 ? streak - 1 : -1;
                    hi = s;
                }
            }
        }
        out.push_back({hi.minute, body, lo.nakshatra, hi.nakshatra});
        advance(hi);
    }
}

std::vector<StandingChange> StandingSearch::Find(std::int64_t afterUtc, std::int64_t lastUtc) {
    std::vector<StandingChange> changes;
    for (int body = 0; body < kPlacedBodies; ++body) {
        FindForBody(body, afterUtc, lastUtc, changes);
    }
    std::sort(changes.begin(), changes.end(), [](const StandingChange& a, const StandingChange& b) {
        return a.utcMinutes != b.utcMinutes ? a.utcMinutes < b.utcMinutes : a.body < b.body;
    });
    return changes;
}

}  // namespace zkc
