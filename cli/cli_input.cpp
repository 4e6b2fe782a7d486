#include "cli/cli_input.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <cmath>

#include "cli/exit_codes.h"

namespace zkc::cli {
namespace {

// What the lists of the window offer; anything else is not a page value.
struct ListRange {
    int first;
    int last;
};
constexpr ListRange kMonths{1, 12};
constexpr ListRange kDays{1, 31};
constexpr ListRange kYears{1901, 2050};
constexpr ListRange kHours{0, 23};
constexpr ListRange kMinutes{0, 59};

bool InRange(int v, ListRange r) {
    return v >= r.first && v <= r.last;
}

InputError Refused(const QString& message) {
    return {kExitRefused, message};
}
InputError Usage(const QString& message) {
    return {kExitUsage, message};
}

// ---- JSON ----------------------------------------------------------------

class JsonPageReader {
  public:
    JsonPageReader(const QJsonObject& object, QString prefix)
        : object_(object), prefix_(std::move(prefix)) {}

    std::optional<InputError> Error() const { return error_; }

    // A whole JSON number; a missing or mistyped one is an error naming it.
    long Number(const char* field, std::optional<ListRange> range = std::nullopt) {
        if (error_) {
            return 0;
        }
        const QJsonValue v = object_.value(QLatin1String(field));
        const double d = v.toDouble();
        const bool whole =
            v.isDouble() && std::isfinite(d) && d == std::trunc(d) && std::fabs(d) <= 1e6;
        if (!whole) {
            Fail(field, v.isUndefined() ? "missing number" : "expected a whole number");
            return 0;
        }
        const long n = static_cast<long>(d);
        if (range && !InRange(static_cast<int>(n), *range)) {
            Fail(field, QString("expected a whole number from %1 to %2")
                            .arg(range->first)
                            .arg(range->last));
        }
        return n;
    }

    bool Flag(const char* field) {
        if (error_) {
            return false;
        }
        const QJsonValue v = object_.value(QLatin1String(field));
        if (!v.isBool()) {
            Fail(field, v.isUndefined() ? "missing flag (true or false)"
                                        : "expected a flag (true or false)");
        }
        return v.toBool();
    }

    std::string Text(const char* field) {
        if (error_) {
            return {};
        }
        const QJsonValue v = object_.value(QLatin1String(field));
        if (!v.isUndefined() && !v.isString()) {
            Fail(field, "expected a text");
        }
        return v.toString().toStdString();
    }

  private:
    void Fail(const char* field, const QString& what) {
        error_ = Refused(QString("%1.%2: %3").arg(prefix_, QLatin1String(field), what));
    }

    QJsonObject object_;
    QString prefix_;
    std::optional<InputError> error_;
};

std::variant<PageFields, InputError> PageFromJson(const QJsonObject& root, const char* key,
                                                  bool hasName) {
    const QJsonValue value = root.value(QLatin1String(key));
    if (!value.isObject()) {
        return Refused(QString("%1: expected an object with the chart input's fields")
                           .arg(QLatin1String(key)));
    }
    JsonPageReader r(value.toObject(), QLatin1String(key));
    PageFields page;
    page.HasName = hasName;
    if (hasName) {
        page.Name = r.Text("Name");
    }
    page.MonthIndex = static_cast<int>(r.Number("Month", kMonths)) - 1;
    page.DayIndex = static_cast<int>(r.Number("Day", kDays)) - 1;
    page.Year = static_cast<int>(r.Number("Year", kYears));
    page.Hour = static_cast<int>(r.Number("Hour", kHours));
    page.Minute = static_cast<int>(r.Number("Minute", kMinutes));
    page.ZoneHour = std::to_string(r.Number("ZoneHours"));
    page.ZoneMinute = std::to_string(r.Number("ZoneMinutes"));
    page.LonDegrees = std::to_string(r.Number("LongitudeDegrees"));
    page.LonMinutes = std::to_string(r.Number("LongitudeMinutes"));
    page.LatDegrees = std::to_string(r.Number("LatitudeDegrees"));
    page.LatMinutes = std::to_string(r.Number("LatitudeMinutes"));
    page.IsEast = r.Flag("IsEast");
    page.IsSouth = r.Flag("IsSouth");
    page.IsDaylightSaving = r.Flag("IsDaylightSaving");
    page.City = r.Text("City");
    page.State = r.Text("State");
    page.Country = r.Text("Country");
    if (auto error = r.Error()) {
        return *error;
    }
    return page;
}

// ---- Options -------------------------------------------------------------

struct PageOptionNames {
    const char* prefix;  // "birth" or "day"
    bool hasName;
};
constexpr PageOptionNames kBirthOptions{"birth", true};
constexpr PageOptionNames kDayOptions{"day", false};

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
    if (!m.hasMatch() || !InRange(year, kYears) || !InRange(month, kMonths) ||
        !InRange(day, kDays)) {
        return Usage(QString("--%1: expected YYYY-MM-DD with a year from 1901 to 2050").arg(name));
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
    if (!m.hasMatch() || !InRange(hour, kHours) || !InRange(minute, kMinutes)) {
        return Usage(QString("--%1: expected HH:MM from 00:00 to 23:59").arg(name));
    }
    page.Hour = hour;
    page.Minute = minute;
    return std::nullopt;
}

std::optional<InputError> ReadZone(const QCommandLineParser& parser, const PageOptionNames& p,
                                   PageFields& page) {
    const QString name = Opt(p, "zone");
    if (!parser.isSet(name)) {
        return std::nullopt;  // left blank: the page check asks for it
    }
    static const QRegularExpression pattern("^([+-]?\\d{1,6})(?::([+-]?\\d{1,6}))?$");
    const auto m = pattern.match(parser.value(name).trimmed());
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
        return std::nullopt;  // left blank: the page check asks for it
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

std::variant<PageFields, InputError> PageFromOptions(const QCommandLineParser& parser,
                                                     const PageOptionNames& p) {
    PageFields page;
    page.HasName = p.hasName;
    if (p.hasName) {
        page.Name = parser.value("name").toStdString();
    }
    bool west = false;
    std::optional<InputError> error = ReadDate(parser, p, page);
    if (!error)
        error = ReadTime(parser, p, page);
    if (!error)
        error = ReadZone(parser, p, page);
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
    page.IsDaylightSaving = parser.isSet(Opt(p, "dst"));
    page.City = parser.value(Opt(p, "city")).toStdString();
    page.State = parser.value(Opt(p, "state")).toStdString();
    page.Country = parser.value(Opt(p, "country")).toStdString();
    return page;
}

}  // namespace

std::variant<Pages, InputError> PagesFromJson(const QByteArray& document) {
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(document, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return Refused(QString("input: not a JSON document (%1 at offset %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset));
    }
    if (!json.isObject()) {
        return Refused("input: expected an object with \"birth\" and \"day\"");
    }
    const QJsonObject root = json.object();
    auto birth = PageFromJson(root, "birth", true);
    if (auto* error = std::get_if<InputError>(&birth)) {
        return *error;
    }
    auto day = PageFromJson(root, "day", false);
    if (auto* error = std::get_if<InputError>(&day)) {
        return *error;
    }
    return Pages{std::get<PageFields>(birth), std::get<PageFields>(day)};
}

void AddPageOptions(QCommandLineParser& parser) {
    parser.addOption({"name", "Name of the person.", "text"});
    for (const PageOptionNames& p : {kBirthOptions, kDayOptions}) {
        const QString of = p.hasName ? "of birth" : "of the day of the reading";
        parser.addOption({Opt(p, "date"), QString("Date %1 (required).").arg(of), "YYYY-MM-DD"});
        parser.addOption(
            {Opt(p, "time"), QString("Local time %1 (default 00:00).").arg(of), "HH:MM"});
        parser.addOption(
            {Opt(p, "zone"), QString("Time zone %1, hours and minutes.").arg(of), "H:MM"});
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
        for (const char* what :
             {"date", "time", "zone", "dst", "lon", "lat", "city", "state", "country"}) {
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
