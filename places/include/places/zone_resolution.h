// What a time zone's clock showed: the offset in force at a universal
// moment, and the universal moment of a local date and time, from the
// system's zone database (every zone's history since 1901).
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <variant>

namespace zkc::places {

// A zone's offset at one moment, rounded to whole minutes (early mean-time
// offsets carry seconds: Madras time was +5:21:10).
struct ZoneOffset {
    int OffsetMinutes = 0;          // east of Greenwich, daylight saving included
    int StandardOffsetMinutes = 0;  // of the zone's standard time then
    bool DaylightTime = false;

    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

// A local date and clock time to the minute.
struct LocalTime {
    QDate Date;
    int Hour = 0;
    int Minute = 0;
};

// A local time that the zone's clock showed once or twice.
struct ResolvedLocalTime {
    ZoneOffset Offset;  // of the first occurrence (before the clocks went back)
    // Set when the clocks went back over this time: the second occurrence.
    std::optional<ZoneOffset> SecondOccurrence;
};

// Why a zone or a local time cannot be used.
struct ZoneError {
    QString Message;
};

// An offset of the zone database in whole minutes, as every reading and
// every timeline takes it: early mean-time offsets carry seconds.
int OffsetMinutesOfSeconds(int offsetSeconds);

// An IANA zone name the system's database knows ("Europe/Madrid"), or one of
// its older names ("Asia/Calcutta").
bool IsKnownZone(const QString& zoneId);

// The offset in force at a universal moment, seconds since 1970.
ZoneOffset OffsetAtUtc(const QString& zoneId, qint64 utcSeconds);

// The offset of a local time. A time the clocks skipped is refused ("2:30 on
// 8 March 2026 does not exist in America/New_York: clocks went from 2:00 to
// 3:00"); a time they passed twice resolves to its first occurrence.
std::variant<ResolvedLocalTime, ZoneError> ResolveLocalTime(const QString& zoneId,
                                                            const LocalTime& local);

// The note for a time that happened twice: which occurrence was taken and
// the offset of the other.
QString TwiceNote(const QString& zoneId, const LocalTime& local, const ResolvedLocalTime& resolved);

// "+05:30", "-04:00": the offset as the command line writes it.
QString FormatUtcOffset(int offsetMinutes);

// The minutes of "+05:30", "-4:00" or "+14:00"; nothing for any other text
// or an offset beyond ±14:00, further than any zone has ever been.
std::optional<int> ParseUtcOffset(const QString& text);

// "UTC+2:00", "UTC−3:30", "UTC+0:00": the offset for people.
QString DescribeUtcOffset(int offsetMinutes);

// The line under a bound page's zone group: "Europe/Madrid, UTC+2:00 on that
// date (summer time)".
QString DescribeZoneOnDate(const QString& zoneId, const ZoneOffset& offset);

// The zone fields that show the same offset in the page's own terms: the
// standard offset and a ticked daylight-saving box where the zone is one
// hour ahead of its standard time, otherwise the offset itself. Magnitudes,
// as a user types them.
struct ZoneFields {
    int Hours = 0;
    int Minutes = 0;
    bool DaylightSaving = false;
};
ZoneFields ZoneFieldsFor(const ZoneOffset& offset);

}  // namespace zkc::places
