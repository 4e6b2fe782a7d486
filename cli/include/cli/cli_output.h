// A computed reading as the command line prints it.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <string_view>

#include "driver/chart_calculation.h"
#include "kota/kota_chakra.h"

namespace zkc::cli {

// The report text as the window's text box holds it: "\r\n" becomes "\n".
QByteArray PlainReport(std::string_view reportText);

// The reading as one JSON object: both charts' positions, long forms and Moon
// nakshatras, the birth nakshatra in both schemes, the ring, the placements
// and the plain report.
QJsonObject ReadingJson(const ChartCalculation& charts, const KotaReading& reading,
                        std::string_view reportText);

}  // namespace zkc::cli
