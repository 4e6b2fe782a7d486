#include "cli/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/input_reading.h"
#include "cli/output_channel.h"
#include "cli/standing_columns.h"
#include "cli/text_buffer.h"
#include "cli/vector_state.h"
#include "documents/chart_document.h"
#include "documents/core_text.h"
#include "documents/page_checks.h"
#include "documents/page_source.h"
#include "engine/chart_positions.h"
#include "places/page_zone.h"
#include "transits/day_longitudes.h"
#include "transits/kota_standing.h"

namespace zkc::cli {
namespace {

// ---- Reading lines ---------------------------------------------------------

// The lines of a descriptor, read in blocks; a line longer than a chart
// document may be is reported as such and skipped without being kept.
class LineReader {
  public:
    explicit LineReader(int fd) : fd_(fd) {}

    struct Line {
        std::string text;
        bool tooLong = false;
    };
    // The next line without its end, or nothing at the end of the input.
    std::optional<Line> Next() {
        Line line;
        for (;;) {
            const std::size_t end = buffer_.find('\n', start_);
            if (end != std::string::npos) {
                Take(line, end - start_);
                start_ = end + 1;
                ++number_;
                return line;
            }
            Take(line, buffer_.size() - start_);
            buffer_.clear();
            start_ = 0;
            if (!Fill()) {
                if (line.text.empty() && !line.tooLong && !pendingPart_) {
                    return std::nullopt;
                }
                pendingPart_ = false;
                ++number_;
                return line;
            }
            pendingPart_ = true;
        }
    }
    long long Number() const { return number_; }
    const QString& Error() const { return error_; }

  private:
    void Take(Line& line, std::size_t count) {
        if (line.tooLong ||
            line.text.size() + count > static_cast<std::size_t>(kLargestChartDocumentBytes)) {
            line.tooLong = true;
            line.text.clear();
            return;
        }
        line.text.append(buffer_, start_, count);
        if (!line.text.empty() && line.text.back() == '\r') {
            // Lines may end in CRLF; the CR is not part of the row.
            if (start_ + count < buffer_.size() && buffer_[start_ + count] == '\n') {
                line.text.pop_back();
            }
        }
    }
    bool Fill() {
        char block[1 << 16];
        for (;;) {
            const ssize_t n = read(fd_, block, sizeof block);
            if (n > 0) {
                buffer_.assign(block, static_cast<std::size_t>(n));
                return true;
            }
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error_ = QString::fromLocal8Bit(std::strerror(errno));
            }
            return false;
        }
    }

    int fd_;
    std::string buffer_;
    std::size_t start_ = 0;
    long long number_ = 0;
    bool pendingPart_ = false;
    QString error_;
};

// ---- CSV rows ----------------------------------------------------------------

// The fields of a CSV line into `fields` (whose strings keep their storage
// from row to row): commas outside quotes separate, "" in quotes is a quote.
// False when a quote is left open.
bool SplitCsv(std::string_view line, std::vector<std::string>& fields) {
    std::size_t count = 0;
    const auto next = [&]() -> std::string& {
        if (count == fields.size()) {
            fields.emplace_back();
        }
        std::string& f = fields[count++];
        f.clear();
        return f;
    };
    std::string* field = &next();
    std::size_t i = 0;
    while (i <= line.size()) {
        if (i < line.size() && line[i] == '"') {
            // A quoted stretch: up to the closing quote, "" standing for one.
            ++i;
            for (;;) {
                const std::size_t quote = line.find('"', i);
                if (quote == std::string_view::npos) {
                    fields.resize(count);
                    return false;
                }
                field->append(line, i, quote - i);
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    field->push_back('"');
                    ++i;
                    continue;
                }
                break;
            }
        }
        const std::size_t stop = std::min(line.find_first_of(",\"", i), line.size());
        field->append(line, i, stop - i);
        i = stop;
        if (i < line.size() && line[i] == '"') {
            continue;  // a quote inside an unquoted field opens a quoted stretch
        }
        if (i >= line.size()) {
            break;
        }
        field = &next();  // a comma
        ++i;
    }
    fields.resize(count);
    return true;
}

std::optional<std::vector<std::string>> CsvFields(std::string_view line) {
    std::vector<std::string> fields;
    if (!SplitCsv(line, fields)) {
        return std::nullopt;
    }
    return fields;
}

// The keys of one page in a CSV row: a cell's text is read as the kind its
// key has (a number, a flag, a text); a cell that is not of that kind reads
// as a text, so that the page reader names the fault as it does for JSON.
class CsvPageSource : public PageSource {
  public:
    // Column index of each key of the page, from the header.
    using Columns = std::vector<std::pair<std::string, std::size_t>>;

    CsvPageSource(const Columns& columns, const std::vector<std::string>& cells)
        : columns_(columns), cells_(cells) {}

    bool Has(std::string_view key) const override { return Cell(key) != nullptr; }

    Value Get(std::string_view key) const override {
        const std::string* cell = Cell(key);
        if (!cell) {
            return {};
        }
        const std::string_view text = Trimmed(*cell);
        if (IsFlagKey(key)) {
            if (EqualsIgnoringCase(text, "true") || text == "1" ||
                EqualsIgnoringCase(text, "yes")) {
                return {Kind::Flag, 0, true, {}};
            }
            if (EqualsIgnoringCase(text, "false") || text == "0" ||
                EqualsIgnoringCase(text, "no")) {
                return {Kind::Flag, 0, false, {}};
            }
        } else if (!IsTextKey(key)) {
            long long n = 0;
            const char* end = text.data() + text.size();
            const char* digits =
                !text.empty() && text.front() == '+' ? text.data() + 1 : text.data();
            const auto [at, error] = std::from_chars(digits, end, n);
            if (error == std::errc() && at == end && digits != end) {
                return {Kind::Number, static_cast<double>(n), false, {}};
            }
        }
        return {Kind::Text, 0, false,
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))};
    }

  private:
    static std::string_view Trimmed(std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
            s.remove_prefix(1);
        }
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
        }
        return s;
    }
    static bool EqualsIgnoringCase(std::string_view s, std::string_view lower) {
        if (s.size() != lower.size()) {
            return false;
        }
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i] >= 'A' && s[i] <= 'Z' ? static_cast<char>(s[i] - 'A' + 'a') : s[i];
            if (c != lower[i]) {
                return false;
            }
        }
        return true;
    }
    static bool IsFlagKey(std::string_view key) {
        return key == "IsEast" || key == "IsSouth" || key == "IsDaylightSaving";
    }
    static bool IsTextKey(std::string_view key) {
        return key == "Name" || key == "City" || key == "State" || key == "Country" ||
               key == "Place" || key == "TimeZone" || key == "UtcOffset";
    }
    // An empty cell is a missing key.
    const std::string* Cell(std::string_view key) const {
        for (const auto& [name, column] : columns_) {
            if (name == key) {
                if (column >= cells_.size()) {
                    return nullptr;
                }
                const std::string& cell = cells_[column];
                return cell.find_first_not_of(" \t") == std::string::npos ? nullptr : &cell;
            }
        }
        return nullptr;
    }

    const Columns& columns_;
    const std::vector<std::string>& cells_;
};

// The columns of both pages, from the header.
struct CsvLayout {
    CsvPageSource::Columns birth;
    CsvPageSource::Columns day;
};

// The header's columns, each "birth.KEY" or "day.KEY"; the reason when one
// is not.
std::variant<CsvLayout, QString> CsvHeader(const std::string& line) {
    const auto fields = CsvFields(line);
    if (!fields) {
        return QString("the header has an open quote");
    }
    CsvLayout layout;
    for (std::size_t i = 0; i < fields->size(); ++i) {
        const QString column = QString::fromStdString((*fields)[i]).trimmed();
        if (column.startsWith("birth.")) {
            layout.birth.emplace_back(column.mid(6).toStdString(), i);
        } else if (column.startsWith("day.")) {
            layout.day.emplace_back(column.mid(4).toStdString(), i);
        } else {
            return QString("header column \"%1\" is not birth.KEY or day.KEY").arg(column);
        }
    }
    return layout;
}

// The pages of a CSV row.
std::variant<Pages, DocumentError> PagesOfRow(const CsvLayout& layout,
                                              const std::vector<std::string>& cells) {
    auto birth = PageFromSource(CsvPageSource(layout.birth, cells), "birth", true);
    if (auto* error = std::get_if<DocumentError>(&birth)) {
        return *error;
    }
    auto day = PageFromSource(CsvPageSource(layout.day, cells), "day", false);
    if (auto* error = std::get_if<DocumentError>(&day)) {
        return *error;
    }
    return Pages{std::move(std::get<PageFields>(birth)), std::move(std::get<PageFields>(day))};
}

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
    const auto birth = places::MomentOfPage(pages.Birth);
    const auto day = places::MomentOfPage(pages.Day);
    for (const auto* moment : {&birth, &day}) {
        if (const auto* error = std::get_if<places::ZoneError>(moment)) {
            return error->Message;
        }
    }
    const ChartInput& birthInput = std::get<places::PageMoment>(birth).Input;
    const ChartInput& dayInput = std::get<places::PageMoment>(day).Input;
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
        std::fprintf(err, "kotachakra-cli: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(*reason));
        return kExitNoInput;
    }
    const int fd = std::get<int>(opened);
    ClearUpperVectorState();
    LineReader lines(fd);
    BatchWriter writer(out);
    if (output == BatchOutput::Csv) {
        WriteCsvHeader(writer.Buffer());
    }

    bool refusedAny = false;
    const auto refuse = [&](long long line, const QString& reason) {
        writer.Flush();  // rows before it come first
        std::fprintf(err, "line %lld: %s\n", line, qPrintable(reason));
        refusedAny = true;
    };
    std::optional<CsvLayout> csvHeader;
    std::vector<std::string> cells;  // kept from row to row
    bool formatKnown = false;
    while (auto line = lines.Next()) {
        const long long number = lines.Number();
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
            if (!SplitCsv(line->text, cells)) {
                refuse(number, "a quote is left open");
                continue;
            }
            pages = PagesOfRow(*csvHeader, cells);
        } else {
            pages = PagesFromJson(text);
        }
        if (const auto* error = std::get_if<DocumentError>(&pages)) {
            QString reason = error->Message;
            if (reason.startsWith("input: ")) {
                reason.remove(0, 7);
            }
            refuse(number, reason);
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
        std::fprintf(err, "kotachakra-cli: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(lines.Error()));
        return kExitNoInput;
    }
    return refusedAny ? kExitRefused : kExitOk;
}

}  // namespace zkc::cli
