// The local time in force at the place of the day of the reading. Scans and
// the transit search count universal-time minutes; what they print, and the
// day input each reading is made from, carry the local clock time.
#pragma once

#include <cstdint>

#include "engine/calendar.h"
#include "engine/chart_input.h"

namespace zkc {

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    // Minutes east of Greenwich in force at a universal-time minute.
    virtual int OffsetMinutesAt(std::int64_t utcMinutesSince1970) const = 0;
    // The universal-time minute at which the place's clocks show a local
    // minute. A clock reading that a change of offset skips or repeats is
    // the implementation's to place.
    virtual std::int64_t UtcMinutesOf(std::int64_t localMinutesSince1970) const = 0;
};

// One offset all year round: the zone fields, or an explicit offset.
class FixedOffsetClock final : public LocalClock {
  public:
    explicit FixedOffsetClock(int offsetMinutes) : offsetMinutes_(offsetMinutes) {}
    int OffsetMinutesAt(std::int64_t) const override { return offsetMinutes_; }
    std::int64_t UtcMinutesOf(std::int64_t localMinutes) const override {
        return localMinutes - offsetMinutes_;
    }

  private:
    int offsetMinutes_;
};

// The clock the day input's own zone fields (or its explicit offset) give.
FixedOffsetClock ClockOfDayInput(const ChartInput& day);

// The day input's local date and clock time as minutes since 1970.
std::int64_t LocalMinutesOf(const ChartInput& day);

// The day input moved to other moments: everything but the date and clock
// time stays as the day input has it; an explicit offset is replaced by the
// one in force at that moment. One instance per thread: At() reuses its
// storage, so stepping through time allocates nothing.
class DayMoments {
  public:
    DayMoments(const ChartInput& day, const LocalClock& clock);

    // The day input at a universal-time minute; valid until the next call.
    const ChartInput& At(std::int64_t utcMinutes);

    // The local clock time in force at a universal-time minute.
    CalendarMoment LocalAt(std::int64_t utcMinutes) const;

    const LocalClock& Clock() const { return clock_; }

  private:
    ChartInput moment_;
    const LocalClock& clock_;
};

}  // namespace zkc
