// A computed reading as the command line prints it.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <string_view>
#include <vector>

#include "documents/chart_document.h"
#include "driver/chart_calculation.h"
#include "kota/kota_chakra.h"
#include "places/atlas.h"

namespace zkc::cli {

// The report text as the window's text box holds it: "\r\n" becomes "\n".
QByteArray PlainReport(std::string_view reportText);

// The reading as one JSON object: both charts' moments, positions, long
// forms and Moon nakshatras, the birth nakshatra in both schemes, the ring,
// the placements and the plain report.
QJsonObject ReadingJson(const ChartCalculation& charts, const Pages& pages,
                        const KotaReading& reading, std::string_view reportText);

// The moment of a chart: local and universal time, the offset and the zone
// it came from, the place's coordinates as decimals and its atlas entry.
QJsonObject MomentJson(const ChartInput& input, const PageFields& page);

// Towns of the atlas: a table for people, or JSON lines of objects.
QByteArray PlacesTable(const std::vector<places::City>& cities);
QByteArray PlacesJson(const std::vector<places::City>& cities);

}  // namespace zkc::cli
