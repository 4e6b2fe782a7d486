// --events: every change of a body's standing (place, nakshatra, zone,
// result) from the day of the reading up to --scan-until, to the minute.
#pragma once

#include <QCommandLineParser>
#include <cstdio>
#include <variant>

#include "cli/cli_input.h"
#include "engine/calendar.h"
#include "engine/chart_input.h"
#include "transits/local_clock.h"

namespace zkc::cli {

enum class EventFormat { Table, Csv, JsonLines };

struct EventRequest {
    CalendarMoment Until;  // local clock time of the day input's place
    EventFormat Format = EventFormat::Table;
    int Jobs = 1;
};

// Registers --events.
void AddEventOptions(QCommandLineParser& parser);

bool WantsEvents(const QCommandLineParser& parser);

// The search the options ask for; format is the value of --format (text, csv
// or json). --scan-step and --changes-only do not apply.
std::variant<EventRequest, InputError> EventsFromOptions(const QCommandLineParser& parser,
                                                         const ChartInput& day,
                                                         const QString& format);

// Writes the changes after the day's moment up to and including the end.
// Returns false when Ctrl-C stopped it (after a whole line).
bool RunEvents(const ChartInput& birth, const ChartInput& day, const EventRequest& request,
               std::FILE* out, std::FILE* progress);
bool RunEvents(const ChartInput& birth, const ChartInput& day, const LocalClock& clock,
               const EventRequest& request, std::FILE* out, std::FILE* progress);

}  // namespace zkc::cli
