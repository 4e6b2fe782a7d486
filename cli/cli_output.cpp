#include "cli/cli_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <cmath>

#include "documents/core_text.h"
#include "engine/calendar.h"
#include "engine/long_forms.h"
#include "kota/nakshatra_information.h"
#include "places/zone_resolution.h"

namespace zkc::cli {
namespace {

QJsonObject ChartJson(const ChartView& chart) {
    QJsonArray positions;
    QJsonObject longForms;
    for (int i = 0; i < kListedBodies; ++i) {
        const auto& name = chart.Positions.BodyNames[static_cast<std::size_t>(i)];
        positions.append(QJsonObject{
            {"body", FromCore(name)},
            {"position", FromCore(chart.Positions.PositionTexts[static_cast<std::size_t>(i)])}});
        longForms.insert(FromCore(name), FromCore(LongFormOfBody(chart.Positions,
                                                                 chart.Moon.MoonLongitudeText, i)));
    }
    return {{"positions", positions},
            {"longForms", longForms},
            {"moonNakshatra", FromCore(chart.Moon.MoonNakshatraName)}};
}

QString KotaName(KotaNakshatra k) {
    return k >= 0 && k < kKotaNakshatraCount
               ? FromCore(KotaNakshatraNames[static_cast<std::size_t>(k)])
               : QString();
}

// Degrees and minutes as a decimal, rounded to four places (about 10 m).
double Decimal(int degrees, int minutes, bool negative) {
    const double value = std::round((degrees + minutes / 60.0) * 10000) / 10000;
    return negative ? -value : value;
}

QJsonObject CityJson(const places::City& c) {
    return {{"name", c.Name},
            {"state", c.State},
            {"country", c.Country},
            {"countryCode", c.CountryCode},
            {"timeZone", c.TimeZone},
            {"latitude", c.LatitudeDegrees},
            {"longitude", c.LongitudeDegrees},
            {"population", static_cast<qint64>(c.Population)}};
}

}  // namespace

QJsonObject MomentJson(const ChartInput& input, const PageFields& page) {
    const CalendarMoment local{input.Year, input.Month, input.Day, input.Hour, input.Minute};
    QJsonValue place = QJsonValue::Null;
    if (page.Place) {
        place = QJsonObject{{"name", FromCore(page.Place->Name)},
                            {"state", FromCore(page.Place->State)},
                            {"country", FromCore(page.Place->Country)},
                            {"countryCode", FromCore(page.Place->CountryCode)}};
    }
    return {{"local", FromCore(MinuteText(local))},
            {"utc", FromCore(MinuteText(UniversalMoment(input))) + "Z"},
            {"utcOffset", places::FormatUtcOffset(static_cast<int>(UtcOffsetMinutes(input)))},
            {"timeZone", input.TimeZone.empty() ? QJsonValue(QJsonValue::Null)
                                                : QJsonValue(FromCore(input.TimeZone))},
            {"latitude", Decimal(input.LatitudeDegrees, input.LatitudeMinutes, input.IsSouth)},
            {"longitude", Decimal(input.LongitudeDegrees, input.LongitudeMinutes, !input.IsEast)},
            {"place", place}};
}

QByteArray PlacesTable(const std::vector<places::City>& cities) {
    QByteArray table = "name\tstate\tcountry\tcode\ttime zone\tlatitude\tlongitude\tpopulation\n";
    for (const places::City& c : cities) {
        table += QString("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\n")
                     .arg(c.Name, c.State, c.Country, c.CountryCode, c.TimeZone)
                     .arg(c.LatitudeDegrees, 0, 'f', 4)
                     .arg(c.LongitudeDegrees, 0, 'f', 4)
                     .arg(c.Population)
                     .toUtf8();
    }
    return table;
}

QByteArray PlacesJson(const std::vector<places::City>& cities) {
    QJsonArray list;
    for (const places::City& c : cities) {
        list.append(CityJson(c));
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

QByteArray PlainReport(std::string_view reportText) {
    QByteArray text(reportText.data(), static_cast<qsizetype>(reportText.size()));
    text.replace("\r\n", "\n");
    return text;
}

QJsonObject ReadingJson(const ChartCalculation& charts, const Pages& pages,
                        const KotaReading& reading, std::string_view reportText) {
    QJsonArray ring;
    for (int place = 1; place <= kRingPlaces; ++place) {
        ring.append(KotaName(reading.Ring.NakshatraAt(place)));
    }
    QJsonArray placements;
    for (const KotaPlacement& p : reading.Placements) {
        placements.append(QJsonObject{{"body", FromCore(p.BodyName)},
                                      {"nakshatra", KotaName(p.Nakshatra)},
                                      {"place", p.Place},
                                      {"zone", FromCore(ZoneLabel(p.Zone))},
                                      {"nature", FromCore(NatureLabel(p.Nature))},
                                      {"result", FromCore(ResultLabel(p.Result))}});
    }
    const BirthChartView birth = charts.BirthChart();
    const ChartView day = charts.OracleChart();
    QJsonObject birthJson = ChartJson(birth);
    birthJson.insert("moment", MomentJson(birth.Input, pages.Birth));
    QJsonObject dayJson = ChartJson(day);
    dayJson.insert("moment", MomentJson(day.Input, pages.Day));
    return {{"birth", birthJson},
            {"day", dayJson},
            {"birthNakshatra", FromCore(birth.Moon.MoonNakshatraName)},
            {"birthKotaNakshatra", KotaName(reading.BirthKotaNakshatra)},
            {"ring", ring},
            {"placements", placements},
            {"report", QString::fromUtf8(PlainReport(reportText))},
            // The chart document that produced the reading: it feeds back in.
            {"input", ChartDocumentObject(pages)}};
}

}  // namespace zkc::cli
