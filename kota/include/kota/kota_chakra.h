// One Kota Chakra reading from the two computed charts.
#pragma once

#include "driver/chart_calculation.h"
#include "kota/kota_ring.h"
#include "kota/placement.h"
#include "kota/report.h"

namespace zkc {

struct KotaReading {
    KotaNakshatra BirthKotaNakshatra = 0;  // 28 scheme; the ring's place 1
    KotaRing Ring{0};
    KotaPlacements Placements;
};

// The birth nakshatra, the ring and the nine placements, without a report.
KotaReading ReadKotaChakra(const BirthChartView& birth, const ChartView& day);

// The whole reading: ReadKotaChakra, then the report written into the sink.
KotaReading Kota_Chakra(const BirthChartView& birth, const ChartView& day, ReportSink& sink);

}  // namespace zkc
