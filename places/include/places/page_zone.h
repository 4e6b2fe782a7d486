// A page's zone or explicit offset, applied: the zone fields that show it and
// the chart input whose moment it fixes.
#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "engine/chart_input.h"
#include "input/page_input.h"
#include "places/zone_resolution.h"

namespace zkc::places {

// The offset the page's zone or explicit offset gives at the page's date and
// time; nothing for a page that keeps to its zone fields.
struct PageOffset {
    ZoneOffset Offset;
    QString TwiceNote;  // set when the local time happened twice
};
std::variant<std::optional<PageOffset>, ZoneError> OffsetOfPage(const PageFields& page);

// Writes the zone fields and the daylight-saving flag that show the page's
// offset, so that the page reads as it always did and passes its checks.
std::optional<ZoneError> ShowOffsetInZoneFields(PageFields& page);

// The chart input of an admitted page, its moment fixed by the page's zone or
// explicit offset where it has one.
struct PageMoment {
    ChartInput Input;
    QString TwiceNote;
};
std::variant<PageMoment, ZoneError> MomentOfPage(const PageFields& page);

// The chart inputs of both pages of a reading; the first zone error, birth
// before day.
struct ReadingInputs {
    ChartInput Birth;
    ChartInput Day;
};
std::variant<ReadingInputs, ZoneError> InputsOfPages(const PageFields& birth,
                                                     const PageFields& day);

}  // namespace zkc::places
