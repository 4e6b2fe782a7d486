#include "transits/transit_csv.h"

#include "engine/calendar.h"
#include "engine/chart_positions.h"

namespace zkc {
namespace {

void AppendStanding(std::string& out, const KotaStanding& s) {
    out += ',';
    out += std::to_string(s.Place);
    out += ',';
    out += KotaNakshatraName(s.Nakshatra);
    out += ',';
    out += ZoneLabel(s.Zone);
    out += ',';
    out += ResultLabel(s.Result);
}

}  // namespace

std::string_view TransitCsvHeader() {
    return "local,utc,body,from place,from nakshatra,from zone,from result,to place,to "
           "nakshatra,to zone,to result\n";
}

void AppendTransitCsv(std::string& out, const TransitRow& row) {
    out += MinuteText(row.local);
    out += ',';
    out += MinuteText(MomentFromMinutes(row.utcMinutes));
    out += ',';
    out += BodyNames[static_cast<std::size_t>(row.body)];
    AppendStanding(out, row.from);
    AppendStanding(out, row.to);
    out += '\n';
}

}  // namespace zkc
