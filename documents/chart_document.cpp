#include "documents/chart_document.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <optional>
#include <string>

#include "documents/page_source.h"
#include "documents/strict_json.h"
#include "input/page_lists.h"
#include "places/atlas.h"
#include "places/coordinates.h"
#include "places/page_zone.h"
#include "places/zone_resolution.h"

namespace zkc {
namespace {

DocumentError Refused(const QString& message) {
    return {message};
}

DocumentError RefusedWhole(const QString& message) {
    return {message, true};
}

// A page's keys in a JSON object.
class JsonObjectSource : public PageSource {
  public:
    explicit JsonObjectSource(QJsonObject object) : object_(std::move(object)) {}

    bool Has(std::string_view key) const override { return object_.contains(Key(key)); }
    Value Get(std::string_view key, Kind /*wanted*/) const override {
        const QJsonValue v = object_.value(Key(key));
        switch (v.type()) {
            case QJsonValue::Undefined:
                return {};
            case QJsonValue::Double:
                return {Kind::Number, v.toDouble(), false, {}};
            case QJsonValue::Bool:
                return {Kind::Flag, 0, v.toBool(), {}};
            case QJsonValue::String:
                return {Kind::Text, 0, false, v.toString()};
            default:
                return {Kind::Other, 0, false, {}};
        }
    }

  private:
    static QLatin1String Key(std::string_view key) {
        return QLatin1String(key.data(), static_cast<qsizetype>(key.size()));
    }
    QJsonObject object_;
};

// Reads the fields of one page, remembering the first fault.
class JsonPageReader {
  public:
    JsonPageReader(const PageSource& source, QString prefix)
        : source_(source), prefix_(std::move(prefix)) {}

    std::optional<DocumentError> Error() const { return error_; }

    bool Has(const char* field) const { return source_.Has(field); }

    // A whole number; a missing or mistyped one is an error naming it.
    long Number(const char* field, std::optional<ListRange> range = std::nullopt) {
        if (error_) {
            return 0;
        }
        const PageSource::Value v = source_.Get(field, PageSource::Kind::Number);
        const double d = v.number;
        const bool whole = v.kind == PageSource::Kind::Number && std::isfinite(d) &&
                           d == std::trunc(d) && std::fabs(d) <= 1e6;
        if (!whole) {
            Fail(field, v.kind == PageSource::Kind::Missing ? "missing number"
                                                            : "expected a whole number");
            return 0;
        }
        const long n = static_cast<long>(d);
        if (range && !range->Contains(static_cast<int>(n))) {
            Fail(field, QString("expected a whole number from %1 to %2")
                            .arg(range->First)
                            .arg(range->Last));
        }
        return n;
    }

    bool Flag(const char* field) {
        if (error_) {
            return false;
        }
        const PageSource::Value v = source_.Get(field, PageSource::Kind::Flag);
        if (v.kind != PageSource::Kind::Flag) {
            Fail(field, v.kind == PageSource::Kind::Missing ? "missing flag (true or false)"
                                                            : "expected a flag (true or false)");
        }
        return v.flag;
    }

    QString Text(const char* field) {
        if (error_) {
            return {};
        }
        PageSource::Value v = source_.Get(field, PageSource::Kind::Text);
        if (v.kind != PageSource::Kind::Missing && v.kind != PageSource::Kind::Text) {
            Fail(field, "expected a text");
        }
        return std::move(v.text);
    }

    void Fail(const char* field, const QString& what) {
        if (!error_) {
            error_ = Refused(QString("%1.%2: %3").arg(prefix_, QLatin1String(field), what));
        }
    }

  private:
    const PageSource& source_;
    QString prefix_;
    std::optional<DocumentError> error_;
};

// The place's part of a page: from the document where it has it, else from
// the atlas entry of its "Place". Read in the document's field order, so that
// the first fault reported is the first in that order.
class PlaceReader {
  public:
    PlaceReader(JsonPageReader& r, const std::optional<places::City>& city)
        : r_(r),
          city_(city),
          lon_(places::ToDegreesMinutes(city ? city->LongitudeDegrees : 0)),
          lat_(places::ToDegreesMinutes(city ? city->LatitudeDegrees : 0)) {}

    void Numbers(PageFields& page) {
        page.LonDegrees = Number("LongitudeDegrees", lon_.Degrees);
        page.LonMinutes = Number("LongitudeMinutes", lon_.Minutes);
        page.LatDegrees = Number("LatitudeDegrees", lat_.Degrees);
        page.LatMinutes = Number("LatitudeMinutes", lat_.Minutes);
    }
    void Flags(PageFields& page) {
        page.IsEast = FromAtlas("IsEast") ? !lon_.Negative : r_.Flag("IsEast");
        page.IsSouth = FromAtlas("IsSouth") ? lat_.Negative : r_.Flag("IsSouth");
    }
    void Texts(PageFields& page) {
        page.City = Text("City", city_ ? city_->Name : QString());
        page.State = Text("State", city_ ? city_->State : QString());
        page.Country = Text("Country", city_ ? city_->Country : QString());
        if (city_) {
            page.Place = PageFields::AtlasPlace{
                city_->Name.toStdString(), city_->State.toStdString(), city_->Country.toStdString(),
                city_->CountryCode.toStdString()};
        }
    }

  private:
    bool FromAtlas(const char* key) const { return city_ && !r_.Has(key); }
    std::string Number(const char* key, int atlasValue) {
        return std::to_string(FromAtlas(key) ? atlasValue : r_.Number(key));
    }
    std::string Text(const char* key, const QString& atlasText) {
        return (FromAtlas(key) ? atlasText : r_.Text(key)).toStdString();
    }

    JsonPageReader& r_;
    const std::optional<places::City>& city_;
    places::DegreesMinutes lon_;
    places::DegreesMinutes lat_;
};

std::variant<PageFields, DocumentError> PageFromJson(const QJsonObject& root, const char* key,
                                                     bool hasName) {
    const QJsonValue value = root.value(QLatin1String(key));
    if (!value.isObject()) {
        return Refused(QString("%1: expected an object with the chart input's fields")
                           .arg(QLatin1String(key)));
    }
    return PageFromSource(JsonObjectSource(value.toObject()), key, hasName);
}

}  // namespace

std::variant<PageFields, DocumentError> PageFromSource(const PageSource& source, const char* key,
                                                       bool hasName) {
    JsonPageReader r(source, QLatin1String(key));
    PageFields page;
    page.HasName = hasName;
    if (hasName) {
        page.Name = r.Text("Name").toStdString();
    }
    page.MonthIndex = static_cast<int>(r.Number("Month", kListedMonths)) - 1;
    page.DayIndex = static_cast<int>(r.Number("Day", kListedDays)) - 1;
    page.Year = static_cast<int>(r.Number("Year", kListedYears));
    page.Hour = static_cast<int>(r.Number("Hour", kListedHours));
    page.Minute = static_cast<int>(r.Number("Minute", kListedMinutes));

    // The place and the zone: "UtcOffset" beats "TimeZone", which beats the
    // place's zone, which beats the zone fields.
    std::optional<places::City> city;
    if (r.Has("Place")) {
        const QString placeText = r.Text("Place");
        const std::vector<places::City> found = places::Atlas::Shared().Find(placeText, 1);
        if (found.empty()) {
            r.Fail("Place", QString("no town \"%1\" in the atlas").arg(placeText));
        } else {
            city = found.front();
        }
    }
    if (r.Has("UtcOffset")) {
        const QString text = r.Text("UtcOffset");
        page.UtcOffsetMinutes = places::ParseUtcOffset(text);
        if (!page.UtcOffsetMinutes) {
            r.Fail("UtcOffset", "expected an offset from +HH:MM to -HH:MM within 14:00");
        }
    }
    if (r.Has("TimeZone")) {
        const QString zone = r.Text("TimeZone");
        if (!places::IsKnownZone(zone)) {
            r.Fail("TimeZone", QString("unknown time zone \"%1\"").arg(zone));
        }
        page.TimeZone = zone.toStdString();
    } else if (city) {
        page.TimeZone = city->TimeZone.toStdString();
    }
    // A page with a zone or an offset may leave out the zone fields; they are
    // then written to show that offset.
    const bool zoneGiven = page.UtcOffsetMinutes || !page.TimeZone.empty();
    const bool zoneFields =
        !zoneGiven || r.Has("ZoneHours") || r.Has("ZoneMinutes") || r.Has("IsDaylightSaving");
    if (zoneFields) {
        page.ZoneHour = std::to_string(r.Number("ZoneHours"));
        page.ZoneMinute = std::to_string(r.Number("ZoneMinutes"));
    }
    PlaceReader place(r, city);
    place.Numbers(page);
    place.Flags(page);
    if (zoneFields) {
        page.IsDaylightSaving = r.Flag("IsDaylightSaving");
    }
    place.Texts(page);
    if (auto error = r.Error()) {
        return *error;
    }
    if (zoneGiven && page.ZoneHour.empty()) {
        if (const auto error = places::ShowOffsetInZoneFields(page)) {
            return Refused(QString("%1: %2").arg(QLatin1String(key), error->Message));
        }
    }
    return page;
}

namespace {

// The page's whole number of a field as the page shows it; a blank or
// unreadable field as 0 (the page checks refuse those before saving).
long NumberOf(const std::string& text) {
    return WholeNumber(text).value_or(0);
}

QJsonObject PageObject(const PageFields& page) {
    QJsonObject o;
    if (page.HasName) {
        o["Name"] = QString::fromStdString(page.Name);
    }
    o["Month"] = page.MonthIndex + 1;
    o["Day"] = page.DayIndex + 1;
    o["Year"] = page.Year;
    o["Hour"] = page.Hour;
    o["Minute"] = page.Minute;
    o["ZoneHours"] = static_cast<qint64>(NumberOf(page.ZoneHour));
    o["ZoneMinutes"] = static_cast<qint64>(NumberOf(page.ZoneMinute));
    o["LongitudeDegrees"] = static_cast<qint64>(NumberOf(page.LonDegrees));
    o["LongitudeMinutes"] = static_cast<qint64>(NumberOf(page.LonMinutes));
    o["LatitudeDegrees"] = static_cast<qint64>(NumberOf(page.LatDegrees));
    o["LatitudeMinutes"] = static_cast<qint64>(NumberOf(page.LatMinutes));
    o["IsEast"] = page.IsEast;
    o["IsSouth"] = page.IsSouth;
    o["IsDaylightSaving"] = page.IsDaylightSaving;
    o["City"] = QString::fromStdString(page.City);
    o["State"] = QString::fromStdString(page.State);
    o["Country"] = QString::fromStdString(page.Country);
    if (page.Place) {
        // Name, state and country code find the very town again.
        QStringList parts = {QString::fromStdString(page.Place->Name)};
        if (!page.Place->State.empty()) {
            parts << QString::fromStdString(page.Place->State);
        }
        parts << QString::fromStdString(page.Place->CountryCode);
        o["Place"] = parts.join(", ");
    }
    if (!page.TimeZone.empty()) {
        o["TimeZone"] = QString::fromStdString(page.TimeZone);
    }
    if (page.UtcOffsetMinutes) {
        o["UtcOffset"] = places::FormatUtcOffset(*page.UtcOffsetMinutes);
    }
    return o;
}

}  // namespace

QJsonObject ChartDocumentObject(const Pages& pages) {
    return {{"format", kChartFormat},
            {"version", kChartVersion},
            {"birth", PageObject(pages.Birth)},
            {"day", PageObject(pages.Day)}};
}

QByteArray ChartDocument(const Pages& pages) {
    return QJsonDocument(ChartDocumentObject(pages)).toJson(QJsonDocument::Indented);
}

std::variant<Pages, DocumentError> PagesFromJson(const QByteArray& document) {
    if (const auto fault = FindStringFault(document)) {
        return RefusedWhole(QString("not a JSON document (%1)").arg(*fault));
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(document, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return RefusedWhole(QString("not a JSON document (%1 at offset %2)")
                                .arg(parseError.errorString())
                                .arg(parseError.offset));
    }
    if (!json.isObject()) {
        return RefusedWhole("expected an object with \"birth\" and \"day\"");
    }
    return PagesFromJsonObject(json.object());
}

std::variant<Pages, DocumentError> PagesFromJsonObject(const QJsonObject& root) {
    if (root.contains("format") && root.value("format") != QJsonValue(kChartFormat)) {
        return RefusedWhole(QString("not a chart file (format \"%1\", expected \"%2\")")
                                .arg(root.value("format").toVariant().toString(), kChartFormat));
    }
    if (root.contains("version")) {
        const QJsonValue version = root.value("version");
        const double v = version.toDouble(-1);
        if (!version.isDouble() || v != std::trunc(v) || v < 1) {
            return RefusedWhole("version: expected a whole number from 1");
        }
        if (v > kChartVersion) {
            return RefusedWhole(QString("a chart file of version %1, newer than this program "
                                        "reads (version %2); a newer Zorvik Kota Chakra opens it")
                                    .arg(static_cast<qint64>(v))
                                    .arg(kChartVersion));
        }
    }
    auto birth = PageFromJson(root, "birth", true);
    if (auto* error = std::get_if<DocumentError>(&birth)) {
        return *error;
    }
    auto day = PageFromJson(root, "day", false);
    if (auto* error = std::get_if<DocumentError>(&day)) {
        return *error;
    }
    return Pages{std::get<PageFields>(birth), std::get<PageFields>(day)};
}

}  // namespace zkc
