#include "cli/run_cli.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>

#include "cli/batch.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/events.h"
#include "cli/exit_codes.h"
#include "cli/output_channel.h"
#include "cli/scan.h"
#include "documents/core_text.h"
#include "documents/page_checks.h"
#include "input/page_input.h"
#include "kota/kota_chakra.h"
#include "places/atlas.h"
#include "places/page_zone.h"
#include "places/zone_clock.h"
#include "version/version.h"

namespace zkc::cli {
namespace {

constexpr char kUsage[] =
    "Usage: kotachakra-cli [--format text|json|csv] (--input FILE | --name NAME --birth-date "
    "YYYY-MM-DD --day-date YYYY-MM-DD [more options]) [--scan-until YYYY-MM-DD[THH:MM]]\n"
    "Try 'kotachakra-cli --help' for more information.\n";

// Whole days from the day's moment to an end given in local time, rounded up.
int DaysUntil(const ChartInput& day, const CalendarMoment& until) {
    const std::int64_t minutes = MinutesSince1970(until) - LocalMinutesOf(day);
    return static_cast<int>(minutes / (24 * 60)) + 1;
}

class Cli {
  public:
    explicit Cli(const Streams& streams) : s_(streams) {}

    int Run(const QStringList& arguments);

  private:
    // Messages can quote what the user gave, so they reach the terminal
    // with its control characters escaped.
    void Tell(const QString& message) const {
        std::fputs(ForTerminal(message + "\n").constData(), s_.err);
    }
    int UsageError(const QString& message) const {
        Tell("kotachakra-cli: " + message);
        std::fputs(kUsage, s_.err);
        return kExitUsage;
    }
    int Refusal(const QString& message) const {
        Tell(message);
        return kExitRefused;
    }
    int Failed(const InputError& error) const {
        if (error.ExitCode == kExitUsage) {
            return UsageError(error.Message);
        }
        if (error.ExitCode == kExitNoInput) {
            Tell("kotachakra-cli: " + error.Message);
            return kExitNoInput;
        }
        return Refusal(error.Message);
    }
    void Write(const QByteArray& bytes) const { WriteOut(s_.out, bytes); }
    std::variant<QByteArray, InputError> ReadInput(const QString& path) const;
    int Reading(const QStringList& arguments);

    // The chart input of an admitted page with its zone applied; a time the
    // clocks skipped is refused, one they showed twice is noted.
    std::optional<ChartInput> Moment(const char* pageName, const PageFields& page) const {
        auto moment = places::MomentOfPage(page);
        if (const auto* error = std::get_if<places::ZoneError>(&moment)) {
            Tell(QString("%1: %2").arg(QLatin1String(pageName), error->Message));
            return std::nullopt;
        }
        const places::PageMoment& m = std::get<places::PageMoment>(moment);
        if (!m.TwiceNote.isEmpty()) {
            Tell(QString("kotachakra-cli: note: %1: %2").arg(QLatin1String(pageName), m.TwiceNote));
        }
        return m.Input;
    }
    int FindPlace(const QString& text, bool json) const {
        const std::vector<places::City> found = places::Atlas::Shared().Find(text, 10);
        if (found.empty()) {
            Tell(QString("kotachakra-cli: no town matches \"%1\"").arg(text));
            return kExitRefused;
        }
        Write(json ? PlacesJson(found) : PlacesTable(found));
        return kExitOk;
    }

    const Streams& s_;
};

std::variant<QByteArray, InputError> Cli::ReadInput(const QString& path) const {
    const bool standardInput = path == "-";
    const InputRead read = standardInput ? s_.readStandardInput() : ReadFileAtMost(path);
    switch (read.Result) {
        case InputRead::Outcome::Unreadable:
            return InputError{kExitNoInput,
                              QString("cannot read %1: %2")
                                  .arg(standardInput ? "standard input" : path, read.Reason)};
        case InputRead::Outcome::TooLarge:
            return InputError{kExitRefused, QString("input: larger than %1 MB, the most a "
                                                    "chart document may hold")
                                                .arg(kLargestChartDocumentBytes >> 20)};
        case InputRead::Outcome::Read:
            break;
    }
    if (read.Bytes.trimmed().isEmpty()) {
        return InputError{kExitRefused, "input is empty"};
    }
    return read.Bytes;
}

int Cli::Run(const QStringList& arguments) {
    try {
        return Reading(arguments);
    } catch (const OutputFailure& failure) {
        Tell("kotachakra-cli: " + OutputFailureMessage(failure));
        return kExitIoError;
    }
}

int Cli::Reading(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Kota Chakra reading for a person's birth details and a day.\n\n"
        "Give the details either as a JSON document {\"birth\": {...}, \"day\": {...}} with "
        "--input, or as options. With --scan-until, one row for every step from the day up to "
        "the given moment (CSV, or JSON lines with --format json); with --events as well, every "
        "change of a body's standing to the minute. With --batch, one reading for each row of "
        "a file of charts.\n\n"
        "Exit status: 0 reading printed, 2 input refused (the reason on standard error), "
        "64 usage error, 66 input unreadable (file or standard input), 74 output could not be "
        "written, 130 stopped by Ctrl-C.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(
        {"input", "Read the details from a JSON file ('-' for standard input).", "FILE"});
    parser.addOption({"format",
                      "Output: text (the report, default), json, or csv for --scan-until.",
                      "text|json|csv", "text"});
    parser.addOption({"find-place",
                      "List up to 10 towns of the atlas that match the text, best first, with "
                      "their zone and coordinates, and stop.",
                      "text"});
    AddPageOptions(parser);
    AddScanOptions(parser);
    AddEventOptions(parser);
    AddBatchOptions(parser);

    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText());
    }
    // --help-all is the help option's third name; the command line has no
    // options beyond its own to add to it.
    if (parser.isSet(help) || parser.isSet("help-all")) {
        Write(parser.helpText().toUtf8());
        return kExitOk;
    }
    if (parser.isSet(version)) {
        Write(QByteArray("kotachakra-cli ") + kVersion + "\n");
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError("unexpected argument " + parser.positionalArguments().first());
    }
    const QString format = parser.value("format");
    if (format != "text" && format != "json" && format != "csv") {
        return UsageError("--format: expected text, json or csv");
    }
    const bool csvWithoutScan = format == "csv" && !WantsBatch(parser);
    if (!WantsScan(parser) && (parser.isSet("changes-only") || parser.isSet("scan-step") ||
                               parser.isSet("events") || parser.isSet("jobs") || csvWithoutScan)) {
        return UsageError(
            "--scan-step, --changes-only, --events, --jobs and --format csv need "
            "--scan-until");
    }
    if (WantsBatch(parser)) {
        if (HasPageOptions(parser) || parser.isSet("input") || WantsScan(parser) ||
            parser.isSet("find-place")) {
            return UsageError("--batch reads the details of every reading from its file");
        }
        return RunBatch(parser.value("batch"),
                        format == "json" ? BatchOutput::JsonLines : BatchOutput::Csv, s_.out,
                        s_.err);
    }
    if (parser.isSet("find-place")) {
        if (HasPageOptions(parser) || parser.isSet("input") || WantsScan(parser)) {
            return UsageError("--find-place stands alone (with --format)");
        }
        return FindPlace(parser.value("find-place"), format == "json");
    }

    std::variant<Pages, InputError> input;
    if (parser.isSet("input")) {
        if (HasPageOptions(parser)) {
            return UsageError("--input cannot be combined with the options of the details");
        }
        const auto document = ReadInput(parser.value("input"));
        if (const auto* error = std::get_if<InputError>(&document)) {
            return Failed(*error);
        }
        input = PagesFromDocument(std::get<QByteArray>(document));
    } else {
        input = PagesFromOptions(parser);
    }
    if (const auto* error = std::get_if<InputError>(&input)) {
        return Failed(*error);
    }
    const Pages& pages = std::get<Pages>(input);
    if (const auto refusal = PageCheckFailure(pages)) {
        return Refusal(*refusal);
    }
    const std::optional<ChartInput> birth = Moment("birth", pages.Birth);
    const std::optional<ChartInput> day = birth ? Moment("day", pages.Day) : std::nullopt;
    if (!day) {
        return kExitRefused;
    }

    if (WantsEvents(parser)) {
        const auto events = EventsFromOptions(parser, *day, format);
        if (const auto* error = std::get_if<InputError>(&events)) {
            return Failed(*error);
        }
        const EventRequest& request = std::get<EventRequest>(events);
        const places::DayClock clock(*day, DaysUntil(*day, request.Until));
        return RunEvents(*birth, *day, clock.Clock(), request, s_.out, s_.progress)
                   ? kExitOk
                   : kExitInterrupted;
    }
    if (WantsScan(parser)) {
        const auto scan = ScanFromOptions(parser, *day, format == "json");
        if (const auto* error = std::get_if<InputError>(&scan)) {
            return Failed(*error);
        }
        ScanRequest request = std::get<ScanRequest>(scan);
        // With a zone, rows step in universal time and show the local time
        // in force, and its offset: a change of the clocks neither repeats
        // nor skips a row.
        request.ShowsUtcOffset = day->UtcOffsetMinutes.has_value();
        const places::DayClock clock(*day, DaysUntil(*day, request.Until));
        return RunScan(*birth, *day, clock.Clock(), request, s_.out, s_.progress)
                   ? kExitOk
                   : kExitInterrupted;
    }

    ChartCalculation charts;
    charts.Calculate(*birth, *day);
    PlainTextSink report;
    const KotaReading reading = Kota_Chakra(charts.BirthChart(), charts.OracleChart(), report);
    if (format == "json") {
        Write(QJsonDocument(ReadingJson(charts, pages, reading, report.Text()))
                  .toJson(QJsonDocument::Indented));
    } else {
        Write(PlainReport(report.Text()));
    }
    return kExitOk;
}

}  // namespace

int RunCli(const QStringList& arguments, const Streams& streams) {
    return Cli(streams).Run(arguments);
}

}  // namespace zkc::cli
