// kotachakra-cli: a Kota Chakra reading on the command line.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <cstdio>

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/exit_codes.h"
#include "engine/page_input.h"
#include "kota/kota_chakra.h"

using namespace zkc;
using namespace zkc::cli;

namespace {

constexpr char kUsage[] =
    "Usage: kotachakra-cli [--format text|json] (--input FILE | --name NAME --birth-date "
    "YYYY-MM-DD --day-date YYYY-MM-DD [more options])\n"
    "Try 'kotachakra-cli --help' for more information.\n";

int UsageError(const QString& message) {
    std::fprintf(stderr, "kotachakra-cli: %s\n%s", qPrintable(message), kUsage);
    return kExitUsage;
}

int Refusal(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return kExitRefused;
}

bool ReadAll(const QString& path, QByteArray& contents) {
    QFile file;
    const bool open = path == "-" ? file.open(stdin, QIODevice::ReadOnly)
                                  : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!open) {
        return false;
    }
    contents = file.readAll();
    return true;
}

// The window's messages, with the page they come from.
std::optional<QString> CheckPages(const Pages& pages) {
    const auto message = [](const char* page, const CheckFailure& f) {
        return QString("%1: %2").arg(
            QLatin1String(page),
            QString::fromUtf8(f.Message.data(), static_cast<qsizetype>(f.Message.size())));
    };
    if (const auto failure = CheckPage(pages.Birth)) {
        return message("birth", *failure);
    }
    if (const auto failure = CheckPage(pages.Day)) {
        return message("day", *failure);
    }
    return std::nullopt;
}

void Write(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kotachakra-cli");
    QCoreApplication::setApplicationVersion(ZKC_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Kota Chakra reading for a person's birth details and a day.\n\n"
        "Give the details either as a JSON document {\"birth\": {...}, \"day\": {...}} with "
        "--input, or as options. Exit status: 0 reading printed, 2 input refused (the reason "
        "on standard error), 64 usage error, 66 input file unreadable.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {"input", "Read the details from a JSON file ('-' for standard input).", "FILE"});
    parser.addOption(
        {"format", "Output: text (the report, default) or json.", "text|json", "text"});
    AddPageOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        return UsageError(parser.errorText());
    }
    if (parser.isSet("help")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return kExitOk;
    }
    if (parser.isSet("version")) {
        std::printf("kotachakra-cli %s\n", ZKC_VERSION);
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError("unexpected argument " + parser.positionalArguments().first());
    }
    const QString format = parser.value("format");
    if (format != "text" && format != "json") {
        return UsageError("--format: expected text or json");
    }

    std::variant<Pages, InputError> input;
    if (parser.isSet("input")) {
        if (HasPageOptions(parser)) {
            return UsageError("--input cannot be combined with the options of the details");
        }
        QByteArray document;
        if (!ReadAll(parser.value("input"), document)) {
            std::fprintf(stderr, "kotachakra-cli: cannot read %s\n",
                         qPrintable(parser.value("input")));
            return kExitNoInput;
        }
        input = PagesFromJson(document);
    } else {
        input = PagesFromOptions(parser);
    }
    if (const auto* error = std::get_if<InputError>(&input)) {
        return error->ExitCode == kExitUsage ? UsageError(error->Message) : Refusal(error->Message);
    }
    const Pages& pages = std::get<Pages>(input);
    if (const auto refusal = CheckPages(pages)) {
        return Refusal(*refusal);
    }

    ChartCalculation charts;
    charts.Calculate(ReadPage(pages.Birth), ReadPage(pages.Day));
    PlainTextSink report;
    const KotaReading reading = Kota_Chakra(charts.BirthChart(), charts.OracleChart(), report);

    if (format == "json") {
        Write(QJsonDocument(ReadingJson(charts, reading, report.Text()))
                  .toJson(QJsonDocument::Indented));
    } else {
        Write(PlainReport(report.Text()));
    }
    return std::fflush(stdout) == 0 ? kExitOk : 74;
}
