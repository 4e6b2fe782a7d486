#include "documents/chart_document.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <optional>
#include <string>

#include "documents/strict_json.h"
#include "input/page_lists.h"

namespace zkc {
namespace {

DocumentError Refused(const QString& message) {
    return {message};
}

class JsonPageReader {
  public:
    JsonPageReader(const QJsonObject& object, QString prefix)
        : object_(object), prefix_(std::move(prefix)) {}

    std::optional<DocumentError> Error() const { return error_; }

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
    std::optional<DocumentError> error_;
};

std::variant<PageFields, DocumentError> PageFromJson(const QJsonObject& root, const char* key,
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
    page.MonthIndex = static_cast<int>(r.Number("Month", kListedMonths)) - 1;
    page.DayIndex = static_cast<int>(r.Number("Day", kListedDays)) - 1;
    page.Year = static_cast<int>(r.Number("Year", kListedYears));
    page.Hour = static_cast<int>(r.Number("Hour", kListedHours));
    page.Minute = static_cast<int>(r.Number("Minute", kListedMinutes));
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

}  // namespace

std::variant<Pages, DocumentError> PagesFromJson(const QByteArray& document) {
    if (const auto fault = FindStringFault(document)) {
        return Refused(QString("input: not a JSON document (%1)").arg(*fault));
    }
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
