// The nine bodies' standings as CSV columns: the same columns in a scan's
// rows and in a batch's.
#pragma once

#include "cli/text_buffer.h"
#include "engine/chart_positions.h"
#include "kota/placement.h"

namespace zkc::cli {

// ",Sun place,Sun zone,Sun result,…,Ketu result".
inline void PutStandingHeader(TextBuffer& w) {
    for (std::size_t i = 0; i < kPlacedBodies; ++i) {
        for (const char* column : {" place", " zone", " result"}) {
            w.Put(',');
            w.Put(BodyNames[i]);
            w.Put(column);
        }
    }
}

// ",place,zone,result" of one body.
inline void PutStandingCells(TextBuffer& w, int place, KotaZone zone, KotaResult result) {
    w.Put(',');
    w.Number(place);
    w.Put(',');
    w.Put(ZoneLabel(zone));
    w.Put(',');
    w.Put(ResultLabel(result));
}

}  // namespace zkc::cli
