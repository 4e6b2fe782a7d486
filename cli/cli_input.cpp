#include "cli/cli_input.h"

#include <QRegularExpression>

#include "cli/exit_codes.h"
#include "input/page_lists.h"
#include "places/atlas.h"
#include "places/coordinates.h"
#include "places/page_zone.h"
#include "places/zone_resolution.h"

namespace zkc::cli {
namespace {

InputError Usage(const QString& message) {
    return {kExitUsage, message};
}
InputError Refused(const QString& message) {
    return {kExitRefused, message};
}

struct PageOptionNames {
    const char* prefix;  // "birth" or "day"
    bool hasName;
};
constexpr PageOptionNames kBirthOptions{"birth", true};
constexpr PageOptionNames kDayOptions{"day", false};

// Every option of a page, without its prefix.
constexpr const char* kPageOptionKinds[] = {"date",    "time",  "zone", "dst",
                                            "lon",     "lat",   "city", "state",
                                            "country", "place", "tz",   "utc-offset"};

QString Opt(const PageOptionNames& p, const char* what) {
    return QString("%1-%2").arg(QLatin1String(p.prefix), QLatin1String(what));
}

std::optional<InputError> ReadDate(const QCommandLineParser& parser, const PageOptionNames& p,
                                   PageFields& page) {
    const QString name = Opt(p, "date");
    if (!parser.isSet(name)) {
        return Usage(QString("--%1 YYYY-MM-DD is required").arg(name));
    }
    static const QRegularExpression pattern("^(\\d{4})-(\\d{2})-(\\d{2})$");
    const auto m = pattern.match(parser.value(name).trimmed());
    const int year = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    const int day = m.captured(3).toInt();
    if (!m.hasMatch() || !kListedYears.Contains(year) || !kListedMonths.Contains(month) ||
        !kListedDays.Contains(day)) {
        return Usage(QString("--%1: expected YYYY-MM-DD with a year from %2 to %3")
                         .arg(name)
                         .arg(kListedYears.First)
                         .arg(kListedYears.Last));
    }
    page.Year = year;
    page.MonthIndex = month - 1;
    page.DayIndex = day - 1;
    return std::nullopt;
}

std::optional<InputError> ReadTime(const QCommandLineParser& parser, const PageOptionNames& p,
                                   PageFields& page) {
    const QString name = Opt(p, "time");
    if (!parser.isSet(name)) {
        return std::nullopt;  // 00:00, as the lists start
    }
    static const QRegularExpression pattern("^(\\d{1,2}):(\\d{2})$");
    const auto m = pattern.match(parser.value(name).trimmed());
    const int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    if (!m.hasMatch() || !kListedHours.Contains(hour) || !kListedMinutes.Contains(minute)) {
        return Usage(QString("--%1: expected HH:MM from 00:00 to 23:59").arg(name));
    }
    page.Hour = hour;
    page.Minute = minute;
    return std::nullopt;
}

// The zone fields: magnitudes, their direction taken from the longitude.
std::optional<InputError> ReadZone(const QCommandLineParser& parser, const PageOptionNames& p,
                                   PageFields& page) {
    const QString name = Opt(p, "zone");
    if (!parser.isSet(name)) {
        return std::nullopt;  // left blank: the page check asks for it
    }
    const QString value = parser.value(name).trimmed();
    if (value.startsWith(u'+') || value.startsWith(u'-')) {
        return Usage(QString("--%1 takes the zone's hours and minutes without a sign (the "
                             "direction comes from --%2); for a signed offset from universal "
                             "time use --%3 %4")
                         .arg(name, Opt(p, "lon"), Opt(p, "utc-offset"), value));
    }
    static const QRegularExpression pattern("^(\\d{1,6})(?::(\\d{1,6}))?$");
    const auto m = pattern.match(value);
    if (!m.hasMatch()) {
        return Usage(QString("--%1: expected H:MM, for example 5:30").arg(name));
    }
    page.ZoneHour = m.captured(1).toStdString();
    page.ZoneMinute = m.captured(2).toStdString();
    return std::nullopt;
}

// D:MM followed by one of two direction letters, e.g. 77:13E or 28:39N.
std::optional<InputError> ReadAngle(const QCommandLineParser& parser, const PageOptionNames& p,
                                    const char* what, QChar positive, QChar negative,
                                    std::string& degrees, std::string& minutes, bool& isNegative) {
    const QString name = Opt(p, what);
    if (!parser.isSet(name)) {
        return std::nullopt;  // left blank or the place's: the page check asks for it
    }
    const QRegularExpression pattern(
        QString("^(\\d{1,6}):(\\d{1,6})([%1%2])$").arg(positive, negative),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = pattern.match(parser.value(name).trimmed());
    if (!m.hasMatch()) {
        return Usage(QString("--%1: expected D:MM%2 or D:MM%3, for example 77:13%2")
                         .arg(name, positive, negative));
    }
    degrees = m.captured(1).toStdString();
    minutes = m.captured(2).toStdString();
    isNegative = m.captured(3).toUpper() == negative;
    return std::nullopt;
}

// A zone given twice (a place, a zone name or an offset beside the zone
// fields) is a mistake: letting the fields win would bring back the
// hemisphere rule's error for places such as Madrid.
std::optional<InputError> CheckOneZone(const QCommandLineParser& parser, const PageOptionNames& p) {
    QStringList fieldOptions;
    for (const char* what : {"zone", "dst"}) {
        if (parser.isSet(Opt(p, what))) {
            fieldOptions << "--" + Opt(p, what);
        }
    }
    QStringList zoneOptions;
    for (const char* what : {"place", "tz", "utc-offset"}) {
        if (parser.isSet(Opt(p, what))) {
            zoneOptions << "--" + Opt(p, what);
        }
    }
    if (fieldOptions.isEmpty() || zoneOptions.isEmpty()) {
        return std::nullopt;
    }
    return Usage(QString("%1 already gives the zone; drop %2")
                     .arg(zoneOptions.join(" and "), fieldOptions.join(" and ")));
}

// The place, the zone name and the offset. Explicit latitude, longitude and
// place texts beside a place win; an offset beats a zone name, which beats
// the place's zone.
std::optional<InputError> ReadPlaceAndZone(const QCommandLineParser& parser,
                                           const PageOptionNames& p, PageFields& page) {
    if (const QString name = Opt(p, "place"); parser.isSet(name)) {
        const QString text = parser.value(name);
        const std::vector<places::City> found = places::Atlas::Shared().Find(text, 1);
        if (found.empty()) {
            return Refused(QString("--%1: no town \"%2\" in the atlas (try kotachakra-cli "
                                   "--find-place)")
                               .arg(name, text));
        }
        const places::City& city = found.front();
        const places::DegreesMinutes lon = places::ToDegreesMinutes(city.LongitudeDegrees);
        const places::DegreesMinutes lat = places::ToDegreesMinutes(city.LatitudeDegrees);
        page.LonDegrees = std::to_string(lon.Degrees);
        page.LonMinutes = std::to_string(lon.Minutes);
        page.IsEast = !lon.Negative;
        page.LatDegrees = std::to_string(lat.Degrees);
        page.LatMinutes = std::to_string(lat.Minutes);
        page.IsSouth = lat.Negative;
        page.City = city.Name.toStdString();
        page.State = city.State.toStdString();
        page.Country = city.Country.toStdString();
        page.TimeZone = city.TimeZone.toStdString();
        page.Place =
            PageFields::AtlasPlace{city.Name.toStdString(), city.State.toStdString(),
                                   city.Country.toStdString(), city.CountryCode.toStdString()};
    }
    if (const QString name = Opt(p, "tz"); parser.isSet(name)) {
        const QString zone = parser.value(name).trimmed();
        if (!places::IsKnownZone(zone)) {
            return Refused(QString("--%1: unknown time zone \"%2\" (expected a name such as "
                                   "Europe/Madrid)")
                               .arg(name, zone));
        }
        page.TimeZone = zone.toStdString();
    }
    if (const QString name = Opt(p, "utc-offset"); parser.isSet(name)) {
        page.UtcOffsetMinutes = places::ParseUtcOffset(parser.value(name));
        if (!page.UtcOffsetMinutes) {
            return Usage(QString("--%1: expected +HH:MM or -HH:MM within 14:00, for example "
                                 "+05:30")
                             .arg(name));
        }
    }
    return std::nullopt;
}

std::variant<PageFields, InputError> PageFromOptions(const QCommandLineParser& parser,
                                                     const PageOptionNames& p) {
    PageFields page;
    page.HasName = p.hasName;
    if (p.hasName) {
        page.Name = parser.value("name").toStdString();
    }
    std::optional<InputError> error = CheckOneZone(parser, p);
    if (!error) {
        error = ReadDate(parser, p, page);
    }
    if (!error) {
        error = ReadTime(parser, p, page);
    }
    if (!error) {
        error = ReadZone(parser, p, page);
    }
    if (!error) {
        error = ReadPlaceAndZone(parser, p, page);
    }
    bool west = !page.IsEast;
    if (!error) {
        error = ReadAngle(parser, p, "lon", 'E', 'W', page.LonDegrees, page.LonMinutes, west);
    }
    if (!error) {
        error =
            ReadAngle(parser, p, "lat", 'N', 'S', page.LatDegrees, page.LatMinutes, page.IsSouth);
    }
    if (error) {
        return *error;
    }
    page.IsEast = !west;
    if (parser.isSet(Opt(p, "dst"))) {
        page.IsDaylightSaving = true;
    }
    for (auto [what, text] : {std::pair{"city", &page.City}, std::pair{"state", &page.State},
                              std::pair{"country", &page.Country}}) {
        if (parser.isSet(Opt(p, what))) {
            *text = parser.value(Opt(p, what)).toStdString();
        }
    }
    if (const auto zoneError = places::ShowOffsetInZoneFields(page)) {
        return Refused(QString("%1: %2").arg(QLatin1String(p.prefix), zoneError->Message));
    }
    return page;
}

}  // namespace

std::variant<Pages, InputError> PagesFromDocument(const QByteArray& document) {
    auto pages = PagesFromJson(document);
    if (const auto* error = std::get_if<DocumentError>(&pages)) {
        return InputError{kExitRefused, error->NamedAfter("input")};
    }
    return std::get<Pages>(pages);
}

void AddPageOptions(QCommandLineParser& parser) {
    parser.addOption({"name", "Name of the person.", "text"});
    for (const PageOptionNames& p : {kBirthOptions, kDayOptions}) {
        const QString of = p.hasName ? "of birth" : "of the day of the reading";
        parser.addOption({Opt(p, "date"), QString("Date %1 (required).").arg(of), "YYYY-MM-DD"});
        parser.addOption(
            {Opt(p, "time"), QString("Local time %1 (default 00:00).").arg(of), "HH:MM"});
        parser.addOption({Opt(p, "place"),
                          QString("Place %1 from the atlas: fills latitude, longitude, city, "
                                  "state, country and the time zone (\"Brest, France\", "
                                  "\"Portland, Oregon\").")
                              .arg(of),
                          "text"});
        parser.addOption({Opt(p, "tz"),
                          QString("Time zone %1 by name, with its history: the offset and "
                                  "daylight saving in force at that date.")
                              .arg(of),
                          "Area/City"});
        parser.addOption({Opt(p, "utc-offset"),
                          QString("Offset from universal time %1, east positive, daylight "
                                  "saving included.")
                              .arg(of),
                          "+HH:MM"});
        parser.addOption({Opt(p, "zone"),
                          QString("Time zone %1 as unsigned hours and minutes; the direction "
                                  "comes from the longitude.")
                              .arg(of),
                          "H:MM"});
        parser.addOption({Opt(p, "dst"), QString("Daylight saving in force %1.").arg(of)});
        parser.addOption(
            {Opt(p, "lon"), QString("Longitude %1, e.g. 77:13E.").arg(of), "D:MM{E|W}"});
        parser.addOption(
            {Opt(p, "lat"), QString("Latitude %1, e.g. 28:39N.").arg(of), "D:MM{N|S}"});
        parser.addOption({Opt(p, "city"), QString("City %1.").arg(of), "text"});
        parser.addOption({Opt(p, "state"), QString("State %1.").arg(of), "text"});
        parser.addOption({Opt(p, "country"), QString("Country %1.").arg(of), "text"});
    }
}

bool HasPageOptions(const QCommandLineParser& parser) {
    if (parser.isSet("name")) {
        return true;
    }
    for (const PageOptionNames& p : {kBirthOptions, kDayOptions}) {
        for (const char* what : kPageOptionKinds) {
            if (parser.isSet(Opt(p, what))) {
                return true;
            }
        }
    }
    return false;
}

std::variant<Pages, InputError> PagesFromOptions(const QCommandLineParser& parser) {
    auto birth = PageFromOptions(parser, kBirthOptions);
    if (auto* error = std::get_if<InputError>(&birth)) {
        return *error;
    }
    auto day = PageFromOptions(parser, kDayOptions);
    if (auto* error = std::get_if<InputError>(&day)) {
        return *error;
    }
    return Pages{std::get<PageFields>(birth), std::get<PageFields>(day)};
}

}  // namespace zkc::cli
