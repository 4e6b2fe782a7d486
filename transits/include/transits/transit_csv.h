// Changes of standing as CSV: the command line's --events --format csv and
// the window's export write the same lines.
#pragma once

#include <string>
#include <string_view>

#include "transits/transit_timeline.h"

namespace zkc {

// "local,utc,body,from place,from nakshatra,…,to result" and a newline.
std::string_view TransitCsvHeader();

// One change: local and universal time as YYYY-MM-DDTHH:MM, the body, then
// place, nakshatra, zone and result before and after; ends with a newline.
void AppendTransitCsv(std::string& out, const TransitRow& row);

}  // namespace zkc
