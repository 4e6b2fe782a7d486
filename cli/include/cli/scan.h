// Scans over many days: a reading for every moment from the day of the
// reading up to and including an end moment, in steps of universal time
// (which, at a place with one offset all year, are steps of its clock),
// against one birth chart.
#pragma once

#include <QCommandLineParser>
#include <cstdio>
#include <variant>

#include "cli/cli_input.h"
#include "engine/calendar.h"
#include "engine/chart_input.h"
#include "transits/local_clock.h"

namespace zkc::cli {

enum class ScanFormat { Csv, JsonLines };

// How a row's readings are made: from the longitudes as numbers (the fast
// way), or by the chart pass and its position texts, as a single reading is
// (kept to check the numbers against).
enum class ScanPath { Numbers, Texts };

struct ScanRequest {
    CalendarMoment Until;  // local clock time of the day input's place
    int StepMinutes = 24 * 60;
    bool ChangesOnly = false;
    ScanFormat Format = ScanFormat::Csv;
    int Jobs = 1;
    ScanPath Path = ScanPath::Numbers;
    // Each row also names the offset from universal time in force (column
    // or key "utcOffset"), so that the hour a change of the clocks repeats
    // reads apart: for days whose offset comes from a zone or is given.
    bool ShowsUtcOffset = false;
};

// Registers --scan-until, --scan-step, --changes-only and --jobs.
void AddScanOptions(QCommandLineParser& parser);

// The threads --jobs asks for: the number of cores when it is not given.
std::variant<int, InputError> JobsFromOptions(const QCommandLineParser& parser);

// True when the command line asks for a scan.
bool WantsScan(const QCommandLineParser& parser);

// The scan the options ask for, starting at the day input; an end before
// the start, a step of zero or a malformed value is a usage error.
std::variant<ScanRequest, InputError> ScanFromOptions(const QCommandLineParser& parser,
                                                      const ChartInput& day, bool json);

// Writes the scan; progress goes to `progress` when it is not null. Returns
// false when Ctrl-C stopped it (after a whole row); throws OutputFailure at
// the first write that fails, or once the reader of `out` has gone. The
// first form reads the day's clock from its zone fields.
bool RunScan(const ChartInput& birth, const ChartInput& day, const ScanRequest& request,
             std::FILE* out, std::FILE* progress);
bool RunScan(const ChartInput& birth, const ChartInput& day, const LocalClock& clock,
             const ScanRequest& request, std::FILE* out, std::FILE* progress);

}  // namespace zkc::cli
