#include "cli/run_cli.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/events.h"
#include "cli/exit_codes.h"
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
    int UsageError(const QString& message) const {
        std::fprintf(s_.err, "kotachakra-cli: %s\n%s", qPrintable(message), kUsage);
        return kExitUsage;
    }
    int Refusal(const QString& message) const {
        std::fprintf(s_.err, "%s\n", qPrintable(message));
        return kExitRefused;
    }
    int Failed(const InputError& error) const {
        return error.ExitCode == kExitUsage ? UsageError(error.Message) : Refusal(error.Message);
    }
    void Write(const QByteArray& bytes) const {
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), s_.out);
    }
    // The chart input of an admitted page with its zone applied; a time the
    // clocks skipped is refused, one they showed twice is noted.
    std::optional<ChartInput> Moment(const char* pageName, const PageFields& page) const {
        auto moment = places::MomentOfPage(page);
        if (const auto* error = std::get_if<places::ZoneError>(&moment)) {
            std::fprintf(s_.err, "%s: %s\n", pageName, qPrintable(error->Message));
            return std::nullopt;
        }
        const places::PageMoment& m = std::get<places::PageMoment>(moment);
        if (!m.TwiceNote.isEmpty()) {
            std::fprintf(s_.err, "kotachakra-cli: note: %s: %s\n", pageName,
                         qPrintable(m.TwiceNote));
        }
        return m.Input;
    }
    int FindPlace(const QString& text, bool json) const {
        const std::vector<places::City> found = places::Atlas::Shared().Find(text, 10);
        if (found.empty()) {
            std::fprintf(s_.err, "kotachakra-cli: no town matches \"%s\"\n", qPrintable(text));
            return kExitRefused;
        }
        Write(json ? PlacesJson(found) : PlacesTable(found));
        return kExitOk;
    }
    std::optional<QByteArray> ReadInput(const QString& path) const {
        if (path == "-") {
            return s_.readStandardInput();
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return file.readAll();
    }

    const Streams& s_;
};

int Cli::Run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Kota Chakra reading for a person's birth details and a day.\n\n"
        "Give the details either as a JSON document {\"birth\": {...}, \"day\": {...}} with "
        "--input, or as options. With --scan-until, one row for every step from the day up to "
        "the given moment (CSV, or JSON lines with --format json); with --events as well, every "
        "change of a body's standing to the minute.\n\n"
        "Exit status: 0 reading printed, 2 input refused (the reason on standard error), "
        "64 usage error, 66 input file unreadable, 74 output could not be written, 130 stopped "
        "by Ctrl-C.");
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

    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), s_.out);
        return kExitOk;
    }
    if (parser.isSet(version)) {
        std::fprintf(s_.out, "kotachakra-cli %s\n", kVersion);
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError("unexpected argument " + parser.positionalArguments().first());
    }
    const QString format = parser.value("format");
    if (format != "text" && format != "json" && format != "csv") {
        return UsageError("--format: expected text, json or csv");
    }
    if (!WantsScan(parser) && (parser.isSet("changes-only") || parser.isSet("scan-step") ||
                               parser.isSet("events") || parser.isSet("jobs") || format == "csv")) {
        return UsageError(
            "--scan-step, --changes-only, --events, --jobs and --format csv need "
            "--scan-until");
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
        const std::optional<QByteArray> document = ReadInput(parser.value("input"));
        if (!document) {
            std::fprintf(s_.err, "kotachakra-cli: cannot read %s\n",
                         qPrintable(parser.value("input")));
            return kExitNoInput;
        }
        input = PagesFromDocument(*document);
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
        const ScanRequest& request = std::get<ScanRequest>(scan);
        // With a zone, rows step in universal time and show the local time
        // in force: a change of the clocks neither repeats nor skips a row.
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
