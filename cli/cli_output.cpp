#include "cli/cli_output.h"

#include <QJsonArray>
#include <QString>

#include "documents/core_text.h"
#include "engine/long_forms.h"
#include "kota/nakshatra_information.h"

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
        placements.append(QJsonObject{{"body", FromCore(p.BodyName)},
                                      {"nakshatra", KotaName(p.Nakshatra)},
                                      {"place", p.Place},
                                      {"zone", FromCore(ZoneLabel(p.Zone))},
                                      {"nature", FromCore(NatureLabel(p.Nature))},
                                      {"result", FromCore(ResultLabel(p.Result))}});
    }
    const BirthChartView birth = charts.BirthChart();
    return {{"birth", ChartJson(birth)},
            {"day", ChartJson(charts.OracleChart())},
            {"birthNakshatra", FromCore(birth.Moon.MoonNakshatraName)},
            {"birthKotaNakshatra", KotaName(reading.BirthKotaNakshatra)},
            {"ring", ring},
            {"placements", placements},
            {"report", QString::fromUtf8(PlainReport(reportText))}};
}

}  // namespace zkc::cli
