#include "transits/transit_csv.h"

#include <cstdio>

#include "engine/chart_positions.h"

namespace zkc {
namespace {

void AppendMoment(std::string& out, const CalendarMoment& m) {
    char text[24];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", m.Year, m.Month,
                                m.Day, m.Hour, m.Minute);
    out.append(text, static_cast<std::size_t>(n));
}

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
    AppendMoment(out, row.local);
    out += ',';
    AppendMoment(out, MomentFromMinutes(row.utcMinutes));
    out += ',';
    out += BodyNames[static_cast<std::size_t>(row.body)];
    AppendStanding(out, row.from);
    AppendStanding(out, row.to);
    out += '\n';
}

}  // namespace zkc
