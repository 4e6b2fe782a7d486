#include "places/zone_resolution.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "engine/calendar.h"
#include "engine/month_names.h"

namespace zkc::places {
namespace {

constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
constexpr int kLargestOffsetMinutes = 14 * 60;

QDateTime AtUtc(qint64 utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC);
}

// The local date and clock time as seconds on a clock that never changes,
// so that local = utc + offset holds for every occurrence of it.
qint64 LocalSeconds(const LocalTime& local) {
    return QDateTime(local.Date, QTime(local.Hour, local.Minute), Qt::UTC).toSecsSinceEpoch();
}

QString ClockText(qint64 localSeconds) {
    const QDateTime t = AtUtc(localSeconds);
    return QString("%1:%2").arg(t.time().hour()).arg(t.time().minute(), 2, 10, QLatin1Char('0'));
}

QString DateText(const QDate& date) {
    return QString::fromStdString(zkc::DateText(date.year(), date.month(), date.day()));
}

QString LocalText(const LocalTime& local) {
    return QString("%1:%2 on %3")
        .arg(local.Hour)
        .arg(local.Minute, 2, 10, QLatin1Char('0'))
        .arg(DateText(local.Date));
}

ZoneOffset OffsetAt(const QTimeZone& zone, qint64 utcSeconds) {
    const QDateTime at = AtUtc(utcSeconds);
    return {OffsetMinutesOfSeconds(zone.offsetFromUtc(at)),
            OffsetMinutesOfSeconds(zone.standardTimeOffset(at)), zone.isDaylightTime(at)};
}

}  // namespace

int OffsetMinutesOfSeconds(int offsetSeconds) {
    return static_cast<int>(std::lround(offsetSeconds / 60.0));
}

bool IsKnownZone(const QString& zoneId) {
    if (zoneId.isEmpty()) {
        return false;
    }
    if (QTimeZone::isTimeZoneIdAvailable(zoneId.toUtf8())) {
        return true;
    }
    // The list above holds the zones of today's table only; the database
    // also keeps the older names as links ("Asia/Calcutta", "US/Eastern",
    // "Etc/GMT-14", "EST5EDT"), which old charts and scripts use. The files
    // beside them that are no zones of the world (leap-second and POSIX
    // copies, the system's own clock, "Factory") are not names to accept.
    static const QRegularExpression linkName(
        "^(?!right/|posix/|posixrules$|localtime$|Factory$)[A-Za-z][A-Za-z0-9_+-]*"
        "(/[A-Za-z0-9_+-]+)*$");
    return linkName.match(zoneId).hasMatch() && QTimeZone(zoneId.toUtf8()).isValid();
}

ZoneOffset OffsetAtUtc(const QString& zoneId, qint64 utcSeconds) {
    return OffsetAt(QTimeZone(zoneId.toUtf8()), utcSeconds);
}

std::variant<ResolvedLocalTime, ZoneError> ResolveLocalTime(const QString& zoneId,
                                                            const LocalTime& local) {
    if (!IsKnownZone(zoneId)) {
        return ZoneError{QString("unknown time zone \"%1\"").arg(zoneId)};
    }
    const QTimeZone zone(zoneId.toUtf8());
    const qint64 localSeconds = LocalSeconds(local);

    // Every offset the zone used within two days of the moment; a local
    // time belongs to an offset when that offset was in force at
    // local − offset. No zone's offset ever lay beyond ±26 hours.
    const qint64 from = localSeconds - 2 * kSecondsPerDay;
    const qint64 to = localSeconds + 2 * kSecondsPerDay;
    std::set<int> offsetSeconds = {zone.offsetFromUtc(AtUtc(from))};
    QTimeZone::OffsetDataList transitions = zone.transitions(AtUtc(from), AtUtc(to));
    for (const QTimeZone::OffsetData& t : transitions) {
        offsetSeconds.insert(t.offsetFromUtc);
    }
    std::vector<int> matching;
    for (int offset : offsetSeconds) {
        if (zone.offsetFromUtc(AtUtc(localSeconds - offset)) == offset) {
            matching.push_back(offset);
        }
    }
    // The first occurrence is the earlier universal moment: the larger offset.
    std::sort(matching.begin(), matching.end(), std::greater<>());

    if (matching.empty()) {
        // A gap: find the change of offset that jumped over this local time.
        qint64 before = localSeconds;
        qint64 after = localSeconds;
        int previousOffset = zone.offsetFromUtc(AtUtc(from));
        for (const QTimeZone::OffsetData& t : transitions) {
            const qint64 at = t.atUtc.toSecsSinceEpoch();
            if (at + previousOffset <= localSeconds && localSeconds < at + t.offsetFromUtc) {
                before = at + previousOffset;
                after = at + t.offsetFromUtc;
                break;
            }
            previousOffset = t.offsetFromUtc;
        }
        const QDate beforeDate = AtUtc(before).date();
        const QDate afterDate = AtUtc(after).date();
        const QString jump = beforeDate == afterDate && beforeDate == local.Date
                                 ? QString("%1 to %2").arg(ClockText(before), ClockText(after))
                                 : QString("%1 on %2 to %3 on %4")
                                       .arg(ClockText(before), DateText(beforeDate),
                                            ClockText(after), DateText(afterDate));
        return ZoneError{QString("%1 does not exist in %2: clocks went from %3")
                             .arg(LocalText(local), zoneId, jump)};
    }
    ResolvedLocalTime resolved;
    resolved.Offset = OffsetAt(zone, localSeconds - matching.front());
    if (matching.size() > 1) {
        resolved.SecondOccurrence = OffsetAt(zone, localSeconds - matching[1]);
    }
    return resolved;
}

QString TwiceNote(const QString& zoneId, const LocalTime& local,
                  const ResolvedLocalTime& resolved) {
    if (!resolved.SecondOccurrence) {
        return {};
    }
    const auto kind = [](const ZoneOffset& o) {
        return o.DaylightTime ? QStringLiteral("daylight time") : QStringLiteral("standard time");
    };
    return QString(
               "%1 happened twice in %2 (the clocks went back); taking the first, %3 (%4); the "
               "second was %5 (%6)")
        .arg(LocalText(local), zoneId, DescribeUtcOffset(resolved.Offset.OffsetMinutes),
             kind(resolved.Offset), DescribeUtcOffset(resolved.SecondOccurrence->OffsetMinutes),
             kind(*resolved.SecondOccurrence));
}

QString FormatUtcOffset(int offsetMinutes) {
    return QString::fromStdString(UtcOffsetText(offsetMinutes));
}

std::optional<int> ParseUtcOffset(const QString& text) {
    static const QRegularExpression pattern("^([+-])(\\d{1,2}):(\\d{2})$");
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int hours = m.captured(2).toInt();
    const int minutes = m.captured(3).toInt();
    const int magnitude = hours * 60 + minutes;
    if (minutes > 59 || magnitude > kLargestOffsetMinutes) {
        return std::nullopt;
    }
    return m.captured(1) == "-" ? -magnitude : magnitude;
}

QString DescribeUtcOffset(int offsetMinutes) {
    const int magnitude = std::abs(offsetMinutes);
    return QString("UTC%1%2:%3")
        .arg(QChar(offsetMinutes < 0 ? u'\u2212' : u'+'))
        .arg(magnitude / 60)
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

QString DescribeZoneOnDate(const QString& zoneId, const ZoneOffset& offset) {
    QString kind = QStringLiteral("standard time");
    const int ahead = offset.OffsetMinutes - offset.StandardOffsetMinutes;
    if (ahead > 0) {
        kind = QStringLiteral("summer time");
    } else if (ahead < 0) {
        kind = QString("%1 behind standard time").arg(DescribeUtcOffset(-ahead).mid(4));
    }
    return QString("%1, %2 on that date (%3)")
        .arg(zoneId, DescribeUtcOffset(offset.OffsetMinutes), kind);
}

ZoneFields ZoneFieldsFor(const ZoneOffset& offset) {
    const bool oneHourAhead = offset.OffsetMinutes - offset.StandardOffsetMinutes == 60;
    const int shown = oneHourAhead ? offset.StandardOffsetMinutes : offset.OffsetMinutes;
    const int magnitude = std::abs(shown);
    return {magnitude / 60, magnitude % 60, oneHourAhead};
}

}  // namespace zkc::places
