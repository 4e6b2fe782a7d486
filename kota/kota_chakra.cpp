#include "kota/kota_chakra.h"

namespace zkc {

KotaReading ReadKotaChakra(const BirthChartView& birth, const ChartView& day) {
    KotaReading reading;
    reading.BirthKotaNakshatra =
        BirthKotaNakshatra(birth.BirthNakshatraName, birth.Moon.NakshatraIndex);
    reading.Ring = KotaRing(reading.BirthKotaNakshatra);
    reading.Placements = PlaceBodies(day.Positions, reading.Ring);
    return reading;
}

KotaReading Kota_Chakra(const BirthChartView& birth, const ChartView& day, ReportSink& sink) {
    KotaReading reading = ReadKotaChakra(birth, day);
    WriteKotaReport({birth.Input, day.Input, birth.Moon.MoonNakshatraName, day.Positions,
                     reading.Ring, reading.Placements},
                    sink);
    return reading;
}

}  // namespace zkc
