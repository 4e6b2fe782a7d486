#include "cli/cli_output.h"

#include <QJsonArray>
#include <QString>

#include "engine/orbital_elements.h"
#include "kota/nakshatra_information.h"

namespace zkc::cli {
namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The long form behind each listed body's position text.
std::string_view LongForm(const ChartView& chart, int body) {
    const ChartPositions& p = chart.Positions;
    switch (body) {
        case kSun:
            return p.RowTexts[kRowEarth];
        case kMoon:
            return chart.Moon.MoonLongitudeText;
        case kMercury:
            return p.RowTexts[kRowMercury];
        case kVenus:
            return p.RowTexts[kRowVenus];
        case kMars:
            return p.RowTexts[kRowMars];
        case kJupiter:
            return p.RowTexts[kRowJupiter];
        case kSaturn:
            return p.RowTexts[kRowSaturn];
        case kRahu:
            return p.RahuText;
        case kKetu:
            return p.KetuText;
        case kAscendant:
            return p.AscendantText;
        case kMidheaven:
            return p.MidheavenText;
        default:
            return {};
    }
}

QJsonObject ChartJson(const ChartView& chart) {
    QJsonArray positions;
    QJsonObject longForms;
    for (int i = 0; i < kListedBodies; ++i) {
        const auto& name = chart.Positions.BodyNames[static_cast<std::size_t>(i)];
        positions.append(QJsonObject{
            {"body", Q(name)},
            {"position", Q(chart.Positions.PositionTexts[static_cast<std::size_t>(i)])}});
        longForms.insert(Q(name), Q(LongForm(chart, i)));
    }
    return {{"positions", positions},
            {"longForms", longForms},
            {"moonNakshatra", Q(chart.Moon.MoonNakshatraName)}};
}

QString KotaName(KotaNakshatra k) {
    return k >= 0 && k < kKotaNakshatraCount ? Q(KotaNakshatraNames[static_cast<std::size_t>(k)])
                                             : QString();
}

}  // namespace

QByteArray PlainReport(std::string_view reportText) {
    QByteArray text(reportText.data(), static_cast<qsizetype>(reportText.size()));
    text.replace("\r\n", "\n");
    return text;
}

QJsonObject ReadingJson(const ChartCalculation& charts, const KotaReading& reading,
                        std::string_view reportText) {
    QJsonArray ring;
    for (int place = 1; place <= kRingPlaces; ++place) {
        ring.append(KotaName(reading.Ring.NakshatraAt(place)));
    }
    QJsonArray placements;
    for (const KotaPlacement& p : reading.Placements) {
        placements.append(QJsonObject{{"body", Q(p.BodyName)},
                                      {"nakshatra", KotaName(p.Nakshatra)},
                                      {"place", p.Place},
                                      {"zone", Q(ZoneLabel(p.Zone))},
                                      {"nature", Q(NatureLabel(p.Nature))},
                                      {"result", Q(ResultLabel(p.Result))}});
    }
    const BirthChartView birth = charts.BirthChart();
    return {{"birth", ChartJson(birth)},
            {"day", ChartJson(charts.OracleChart())},
            {"birthNakshatra", Q(birth.Moon.MoonNakshatraName)},
            {"birthKotaNakshatra", KotaName(reading.BirthKotaNakshatra)},
            {"ring", ring},
            {"placements", placements},
            {"report", QString::fromUtf8(PlainReport(reportText))}};
}

}  // namespace zkc::cli
