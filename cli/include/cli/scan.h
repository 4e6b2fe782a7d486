// Scans over many days: a reading for every moment from the day of the
// reading up to and including an end moment, in steps of local clock time,
// against one birth chart.
#pragma once

#include <QCommandLineParser>
#include <cstdio>
#include <variant>

#include "cli/cli_input.h"
#include "engine/calendar.h"
#include "engine/chart_input.h"

namespace zkc::cli {

enum class ScanFormat { Csv, JsonLines };

struct ScanRequest {
    CalendarMoment Until;  // local clock time of the day input's place
    int StepMinutes = 24 * 60;
    bool ChangesOnly = false;
    ScanFormat Format = ScanFormat::Csv;
};

// Registers --scan-until, --scan-step and --changes-only.
void AddScanOptions(QCommandLineParser& parser);

// True when the command line asks for a scan.
bool WantsScan(const QCommandLineParser& parser);

// The scan the options ask for, starting at the day input; an end before
// the start, a step of zero or a malformed value is a usage error.
std::variant<ScanRequest, InputError> ScanFromOptions(const QCommandLineParser& parser,
                                                      const ChartInput& day, bool json);

// Writes the scan; progress goes to `progress` when it is not null. Throws
// OutputFailure at the first row that cannot be written, or once the reader
// of `out` has gone.
void RunScan(const ChartInput& birth, const ChartInput& day, const ScanRequest& request,
             std::FILE* out, std::FILE* progress);

}  // namespace zkc::cli
