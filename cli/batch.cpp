#include "cli/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/csv_rows.h"
#include "cli/exit_codes.h"
#include "cli/input_reading.h"
#include "cli/interruption.h"
#include "cli/line_reader.h"
#include "cli/output_channel.h"
#include "cli/standing_columns.h"
#include "cli/text_buffer.h"
#include "cli/vector_state.h"
#include "documents/chart_document.h"
#include "documents/core_text.h"
#include "documents/page_checks.h"
#include "engine/chart_positions.h"
#include "input/page_input.h"
#include "places/page_zone.h"
#include "transits/day_longitudes.h"
#include "transits/kota_standing.h"

namespace zkc::cli {
namespace {

// ---- Readings ----------------------------------------------------------------

struct Reading {
    std::string name;
    std::string_view birthNakshatra;  // 27 scheme, as the report prints it
    KotaNakshatra birthKota = 0;
    std::array<KotaStanding, kPlacedBodies> standings;
};

// The reading of a row's pages: the Moon of the birth, the nine bodies of
// the day, by the numbers that the position texts would carry.
std::variant<Reading, QString> ReadingOf(const Pages& pages) {
    if (const auto refusal = PageCheckFailure(pages)) {
        return *refusal;
    }
    const auto inputs = places::InputsOfPages(pages.Birth, pages.Day);
    if (const auto* error = std::get_if<places::ZoneError>(&inputs)) {
        return error->Message;
    }
    const ChartInput& birthInput = std::get<places::ReadingInputs>(inputs).Birth;
    const ChartInput& dayInput = std::get<places::ReadingInputs>(inputs).Day;
    Reading r;
    r.name = birthInput.Name;
    const BirthNakshatras nakshatras = BirthNakshatrasOf(birthInput);
    r.birthNakshatra = nakshatras.Name27;
    r.birthKota = nakshatras.Kota;
    const KotaRing ring(r.birthKota);
    const auto longitudes = PlacedBodyLongitudes(dayInput);
    for (int body = 0; body < kPlacedBodies; ++body) {
        const std::size_t i = static_cast<std::size_t>(body);
        r.standings[i] = StandingOf(body, KotaNakshatraOfLongitude(longitudes[i]), ring);
    }
    return r;
}

// ---- Output --------------------------------------------------------------------

void PutCsvText(TextBuffer& w, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        w.Put(text);
        return;
    }
    w.Put('"');
    for (char c : text) {
        if (c == '"') {
            w.Put('"');
        }
        w.Put(c);
    }
    w.Put('"');
}

void WriteCsvHeader(TextBuffer& w) {
    w.Put("line,name,birth nakshatra");
    PutStandingHeader(w);
    w.Put('\n');
}

void WriteCsvRow(TextBuffer& w, long long line, const Reading& r) {
    w.Number(line);
    w.Put(',');
    PutCsvText(w, r.name);
    w.Put(',');
    w.Put(r.birthNakshatra);
    for (const KotaStanding& s : r.standings) {
        PutStandingCells(w, s.Place, s.Zone, s.Result);
    }
    w.Put('\n');
}

void WriteJsonRow(TextBuffer& w, long long line, const Reading& r) {
    QJsonArray placements;
    for (int body = 0; body < kPlacedBodies; ++body) {
        const KotaStanding& s = r.standings[static_cast<std::size_t>(body)];
        placements.append(QJsonObject{
            {"body", FromCore(BodyNames[static_cast<std::size_t>(body)])},
            {"nakshatra", FromCore(KotaNakshatraName(s.Nakshatra))},
            {"place", s.Place},
            {"zone", FromCore(ZoneLabel(s.Zone))},
            {"nature", FromCore(NatureLabel(NatureOf(BodyNames[static_cast<std::size_t>(body)])))},
            {"result", FromCore(ResultLabel(s.Result))}});
    }
    const QJsonObject row{{"line", line},
                          {"name", FromCore(r.name)},
                          {"birthNakshatra", FromCore(r.birthNakshatra)},
                          {"birthKotaNakshatra", FromCore(KotaNakshatraName(r.birthKota))},
                          {"placements", placements}};
    w.Put(QJsonDocument(row).toJson(QJsonDocument::Compact).toStdString());
    w.Put('\n');
}

// Rows go out in blocks; a quiet input still sees its rows soon.
class BatchWriter {
  public:
    explicit BatchWriter(std::FILE* out) : out_(out) {}
    TextBuffer& Buffer() { return buffer_; }
    void RowDone() {
        if (buffer_.Size() >= kBlock) {
            Flush();
        }
    }
    void Flush() {
        if (buffer_.Size() > 0) {
            WriteOut(out_, buffer_.Text());
            buffer_.Text().clear();
        }
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::FILE* out_;
    TextBuffer buffer_;
};

// Opens the input: the file, or standard input for "-".
std::variant<int, QString> OpenInput(const QString& path) {
    if (path == "-") {
        // A closed standard input is held by /dev/null opened for writing.
        const int mode = fcntl(STDIN_FILENO, F_GETFL);
        if (mode == -1 || (mode & O_ACCMODE) == O_WRONLY) {
            return QString("it is closed");
        }
        return STDIN_FILENO;
    }
    const int fd = open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        return QString("it is a directory");
    }
    return fd;
}

QByteArray InputName(const QString& path) {
    return path == "-" ? QByteArray("standard input") : ForTerminal(path);
}

// Spreadsheets and some editors start a UTF-8 file with it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The cells of the CSV record that starts with `first`. A quoted cell may
// hold line breaks (spreadsheets write notes so), so the record takes the
// following lines until its quotes close, up to the size of a chart
// document; false when they never do.
bool SplitRecord(LineReader& lines, const std::string& first, std::vector<std::string>& cells) {
    if (SplitCsv(first, cells)) {
        return true;
    }
    std::string record = first;
    while (auto more = lines.Next()) {
        if (more->tooLong || record.size() + more->text.size() >=
                                 static_cast<std::size_t>(kLargestChartDocumentBytes)) {
            return false;
        }
        record += '\n';
        record += more->text;
        if (SplitCsv(record, cells)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void AddBatchOptions(QCommandLineParser& parser) {
    parser.addOption({"batch",
                      "Many readings: one for each row of FILE ('-' for standard input), given "
                      "as JSON lines (a chart document per line) or as CSV whose header names "
                      "the keys birth.Name, day.Month and so on. Writes CSV (line, name, birth "
                      "nakshatra, then place, zone and result of each body) or JSON lines with "
                      "--format json; a refused row is reported on standard error and the rest "
                      "go on.",
                      "FILE"});
}

bool WantsBatch(const QCommandLineParser& parser) {
    return parser.isSet("batch");
}

int RunBatch(const QString& path, BatchOutput output, std::FILE* out, std::FILE* err) {
    const auto opened = OpenInput(path);
    if (const auto* reason = std::get_if<QString>(&opened)) {
        std::fprintf(err, "kotachakra-cli: cannot read %s: %s\n", InputName(path).constData(),
                     qPrintable(*reason));
        return kExitNoInput;
    }
    const int fd = std::get<int>(opened);
    ClearUpperVectorState();
    LineReader lines(fd);
    BatchWriter writer(out);
    // Rows read from a person or a slow program go out before the next
    // wait, and Ctrl-C ends the batch after the last whole row.
    InterruptionGuard interruption;
    lines.BeforeWaiting([&writer] {
        writer.Flush();
        return !InterruptionGuard::Interrupted();
    });
    if (output == BatchOutput::Csv) {
        WriteCsvHeader(writer.Buffer());
    }

    bool refusedAny = false;
    const auto refuse = [&](long long line, const QString& reason) {
        writer.Flush();  // rows before it come first
        // Reasons quote what the row holds, which may be anything.
        std::fprintf(err, "line %lld: %s\n", line, ForTerminal(reason).constData());
        refusedAny = true;
    };
    std::optional<CsvLayout> csvHeader;
    std::vector<std::string> cells;  // kept from row to row
    bool formatKnown = false;
    while (auto line = lines.Next()) {
        if (InterruptionGuard::Interrupted()) {
            break;
        }
        const long long number = lines.Number();
        if (number == 1 && line->text.starts_with(kByteOrderMark)) {
            line->text.erase(0, kByteOrderMark.size());
        }
        if (line->tooLong) {
            refuse(number, "longer than 1 MB");
            continue;
        }
        const QByteArray text = QByteArray::fromStdString(line->text).trimmed();
        if (text.isEmpty()) {
            continue;
        }
        if (!formatKnown) {
            formatKnown = true;
            if (!text.startsWith('{')) {
                // A file that does not start with a JSON object is CSV.
                auto header = CsvHeader(line->text);
                if (const auto* reason = std::get_if<QString>(&header)) {
                    refuse(number, *reason);
                    break;
                }
                csvHeader = std::move(std::get<CsvLayout>(header));
                continue;
            }
        }
        std::variant<Pages, DocumentError> pages = DocumentError{};
        if (csvHeader) {
            if (!IsUtf8(line->text)) {
                // Read on, it would print a name with stand-ins for what was lost.
                refuse(number, "not UTF-8 text (save the table as UTF-8)");
                continue;
            }
            if (!SplitRecord(lines, line->text, cells)) {
                refuse(number, "a quote is left open");
                continue;
            }
            pages = PagesOfRow(*csvHeader, cells);
        } else {
            pages = PagesFromJson(text);
        }
        if (const auto* error = std::get_if<DocumentError>(&pages)) {
            refuse(number, error->Message);
            continue;
        }
        const auto reading = ReadingOf(std::get<Pages>(pages));
        if (const auto* reason = std::get_if<QString>(&reading)) {
            refuse(number, *reason);
            continue;
        }
        if (output == BatchOutput::Csv) {
            WriteCsvRow(writer.Buffer(), number, std::get<Reading>(reading));
        } else {
            WriteJsonRow(writer.Buffer(), number, std::get<Reading>(reading));
        }
        writer.RowDone();
    }
    writer.Flush();
    if (fd != STDIN_FILENO) {
        close(fd);
    }
    if (!lines.Error().isEmpty()) {
        std::fprintf(err, "kotachakra-cli: cannot read %s: %s\n", InputName(path).constData(),
                     qPrintable(lines.Error()));
        return kExitNoInput;
    }
    if (InterruptionGuard::Interrupted()) {
        return kExitInterrupted;
    }
    return refusedAny ? kExitRefused : kExitOk;
}

}  // namespace zkc::cli
