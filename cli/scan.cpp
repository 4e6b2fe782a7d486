#include "cli/scan.h"

#include <QRegularExpression>
#include <array>
#include <charconv>
#include <chrono>
#include <cstring>
#include <string>

#include "cli/exit_codes.h"
#include "cli/output_channel.h"
#include "input/page_lists.h"
#include "kota/kota_chakra.h"

namespace zkc::cli {
namespace {

CalendarMoment StartOf(const ChartInput& day) {
    return {day.Year, day.Month, day.Day, day.Hour, day.Minute};
}

// ---- Output ---------------------------------------------------------------

// Rows are built in one buffer and written in large blocks. A reader on a
// pipe still sees each row soon after it is computed: the buffer goes out
// whenever it holds rows and a quiet spell has passed since it last went,
// so a sparse scan (changes only) delivers its rows as they come.
class RowWriter {
  public:
    explicit RowWriter(std::FILE* out) : out_(out) { buffer_.reserve(kBlock + 1024); }

    void Put(std::string_view s) { buffer_.append(s); }
    void Put(char c) { buffer_.push_back(c); }
    void Number(int n) {
        char digits[12];
        buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
    }
    void TwoDigits(int n) {
        buffer_.push_back(static_cast<char>('0' + n / 10));
        buffer_.push_back(static_cast<char>('0' + n % 10));
    }
    void EndRow() {
        buffer_.push_back('\n');
        if (buffer_.size() >= kBlock) {
            Flush();
        } else {
            Tick();
        }
    }
    // Called now and then between rows: sends rows that have waited a quiet
    // spell, and stops the scan once its reader is gone.
    void Tick() {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastFlush_ < kQuietSpell) {
            return;
        }
        if (buffer_.empty()) {
            ThrowIfOutputGone(out_);
        } else {
            Flush();
        }
        lastFlush_ = now;
    }
    void Flush() {
        if (!buffer_.empty()) {
            WriteOut(out_, buffer_);
            buffer_.clear();
        }
        lastFlush_ = std::chrono::steady_clock::now();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    static constexpr auto kQuietSpell = std::chrono::milliseconds(100);
    std::FILE* out_;
    std::string buffer_;
    std::chrono::steady_clock::time_point lastFlush_{};  // long ago: the first row goes at once
};

// One reading's judgement of the nine bodies: what a row prints and what
// "changes only" compares.
struct RowState {
    std::array<int, kPlacedBodies> place{};
    std::array<KotaZone, kPlacedBodies> zone{};
    std::array<KotaResult, kPlacedBodies> result{};

    friend bool operator==(const RowState&, const RowState&) = default;
};

RowState StateOf(const KotaPlacements& placements) {
    RowState s;
    for (std::size_t i = 0; i < placements.size(); ++i) {
        s.place[i] = placements[i].Place;
        s.zone[i] = placements[i].Zone;
        s.result[i] = placements[i].Result;
    }
    return s;
}

void WriteDate(RowWriter& w, const CalendarMoment& m) {
    w.Number(m.Year);
    w.Put('-');
    w.TwoDigits(m.Month);
    w.Put('-');
    w.TwoDigits(m.Day);
}

void WriteTime(RowWriter& w, const CalendarMoment& m) {
    w.TwoDigits(m.Hour);
    w.Put(':');
    w.TwoDigits(m.Minute);
}

void WriteCsvHeader(RowWriter& w) {
    w.Put("date,time");
    for (std::size_t i = 0; i < kPlacedBodies; ++i) {
        for (const char* column : {" place", " zone", " result"}) {
            w.Put(',');
            w.Put(BodyNames[i]);
            w.Put(column);
        }
    }
    w.EndRow();
}

void WriteCsvRow(RowWriter& w, const CalendarMoment& m, const RowState& s) {
    WriteDate(w, m);
    w.Put(',');
    WriteTime(w, m);
    for (std::size_t i = 0; i < kPlacedBodies; ++i) {
        w.Put(',');
        w.Number(s.place[i]);
        w.Put(',');
        w.Put(ZoneLabel(s.zone[i]));
        w.Put(',');
        w.Put(ResultLabel(s.result[i]));
    }
    w.EndRow();
}

void WriteJsonRow(RowWriter& w, const CalendarMoment& m, const RowState& s) {
    w.Put("{\"date\":\"");
    WriteDate(w, m);
    w.Put("\",\"time\":\"");
    WriteTime(w, m);
    w.Put("\",\"placements\":[");
    for (std::size_t i = 0; i < kPlacedBodies; ++i) {
        w.Put(i == 0 ? "{\"body\":\"" : ",{\"body\":\"");
        w.Put(BodyNames[i]);
        w.Put("\",\"place\":");
        w.Number(s.place[i]);
        w.Put(",\"zone\":\"");
        w.Put(ZoneLabel(s.zone[i]));
        w.Put("\",\"result\":\"");
        w.Put(ResultLabel(s.result[i]));
        w.Put("\"}");
    }
    w.Put("]}");
    w.EndRow();
}

// ---- Progress ---------------------------------------------------------------

// A bar on a terminal, shown once a scan has run for a second.
class ProgressBar {
  public:
    ProgressBar(std::FILE* terminal, long long total) : terminal_(terminal), total_(total) {}
    ~ProgressBar() {
        if (shown_) {
            std::fprintf(terminal_, "\r%*s\r", kWidth + 32, "");
            std::fflush(terminal_);
        }
    }

    void Update(long long done) {
        if (!terminal_) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now - start_ < std::chrono::seconds(1) ||
            now - last_ < std::chrono::milliseconds(100)) {
            return;
        }
        last_ = now;
        shown_ = true;
        const int filled = static_cast<int>(kWidth * done / std::max(1LL, total_));
        char bar[kWidth + 1];
        std::memset(bar, '#', static_cast<std::size_t>(filled));
        std::memset(bar + filled, ' ', static_cast<std::size_t>(kWidth - filled));
        bar[kWidth] = '\0';
        std::fprintf(terminal_, "\r[%s] %3d%% %lld/%lld", bar,
                     static_cast<int>(100 * done / std::max(1LL, total_)), done, total_);
        std::fflush(terminal_);
    }

  private:
    static constexpr int kWidth = 40;
    std::FILE* terminal_;
    long long total_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_ = start_;
};

}  // namespace

void AddScanOptions(QCommandLineParser& parser) {
    parser.addOption({"scan-until",
                      "Scan: a reading for every moment from the day of the reading up to and "
                      "including this one (local time of the day's place).",
                      "YYYY-MM-DD[THH:MM]"});
    parser.addOption({"scan-step",
                      "Scan step in local clock time: minutes, hours or days (default 1d).",
                      "N{m|h|d}", "1d"});
    parser.addOption(
        {"changes-only", "Scan: print a row only when a body's place, zone or result changes."});
}

bool WantsScan(const QCommandLineParser& parser) {
    return parser.isSet("scan-until");
}

std::variant<ScanRequest, InputError> ScanFromOptions(const QCommandLineParser& parser,
                                                      const ChartInput& day, bool json) {
    ScanRequest request;
    request.Format = json ? ScanFormat::JsonLines : ScanFormat::Csv;
    request.ChangesOnly = parser.isSet("changes-only");

    static const QRegularExpression untilPattern(
        "^(\\d{4})-(\\d{2})-(\\d{2})(?:T(\\d{2}):(\\d{2}))?$");
    const auto until = untilPattern.match(parser.value("scan-until").trimmed());
    CalendarMoment end{until.captured(1).toInt(), until.captured(2).toInt(),
                       until.captured(3).toInt(), until.captured(4).toInt(),
                       until.captured(5).toInt()};
    const bool realDate = until.hasMatch() && kListedYears.Contains(end.Year) &&
                          kListedMonths.Contains(end.Month) && kListedDays.Contains(end.Day) &&
                          kListedHours.Contains(end.Hour) && kListedMinutes.Contains(end.Minute) &&
                          MomentFromMinutes(MinutesSince1970(end)) == end;
    if (!realDate) {
        return InputError{kExitUsage, QString("--scan-until: expected a real date YYYY-MM-DD or "
                                              "YYYY-MM-DDTHH:MM from %1 to %2")
                                          .arg(kListedYears.First)
                                          .arg(kListedYears.Last)};
    }
    if (MinutesSince1970(end) < MinutesSince1970(StartOf(day))) {
        return InputError{kExitUsage, "--scan-until: the end lies before the day of the reading"};
    }
    request.Until = end;

    static const QRegularExpression stepPattern("^(\\d{1,9})([mhd])$");
    const auto step = stepPattern.match(parser.value("scan-step").trimmed());
    const long long count = step.captured(1).toLongLong();
    const int unit = step.captured(2) == "d" ? 24 * 60 : step.captured(2) == "h" ? 60 : 1;
    if (!step.hasMatch() || count < 1 || count * unit > 150LL * 366 * 24 * 60) {
        return InputError{kExitUsage,
                          "--scan-step: expected a step of at least one minute, such as 30m, 6h "
                          "or 1d"};
    }
    request.StepMinutes = static_cast<int>(count * unit);
    return request;
}

void RunScan(const ChartInput& birth, const ChartInput& day, const ScanRequest& request,
             std::FILE* out, std::FILE* progress) {
    ChartCalculation charts;
    charts.CalculateBirth(birth);
    const BirthChartView birthChart = charts.BirthChart();

    const std::int64_t first = MinutesSince1970(StartOf(day));
    const std::int64_t last = MinutesSince1970(request.Until);
    const long long total = (last - first) / request.StepMinutes + 1;

    RowWriter writer(out);
    ProgressBar bar(progress, total);
    if (request.Format == ScanFormat::Csv) {
        WriteCsvHeader(writer);
    }
    ChartInput moment = day;
    RowState previous;
    long long done = 0;
    for (std::int64_t t = first; t <= last; t += request.StepMinutes) {
        const CalendarMoment local = MomentFromMinutes(t);
        moment.Year = static_cast<std::int16_t>(local.Year);
        moment.Month = static_cast<std::int16_t>(local.Month);
        moment.Day = static_cast<std::int16_t>(local.Day);
        moment.Hour = static_cast<std::int16_t>(local.Hour);
        moment.Minute = static_cast<std::int16_t>(local.Minute);
        charts.CalculateOracle(moment);
        const RowState state = StateOf(ReadKotaChakra(birthChart, charts.OracleChart()).Placements);
        if (!request.ChangesOnly || done == 0 || !(state == previous)) {
            if (request.Format == ScanFormat::Csv) {
                WriteCsvRow(writer, local, state);
            } else {
                WriteJsonRow(writer, local, state);
            }
        }
        previous = state;
        if ((++done & 0x3F) == 0) {
            writer.Tick();
            if ((done & 0x3FFF) == 0) {
                bar.Update(done);
            }
        }
    }
    writer.Flush();
}

}  // namespace zkc::cli
