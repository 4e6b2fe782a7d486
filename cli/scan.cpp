#include "cli/scan.h"

#include <QRegularExpression>
#include <array>
#include <string>

#include "cli/exit_codes.h"
#include "cli/interruption.h"
#include "cli/output_channel.h"
#include "cli/progress_bar.h"
#include "cli/standing_columns.h"
#include "cli/text_buffer.h"
#include "cli/vector_state.h"
#include "input/page_lists.h"
#include "kota/kota_chakra.h"
#include "transits/day_longitudes.h"
#include "transits/kota_standing.h"
#include "transits/ordered_chunks.h"

namespace zkc::cli {
namespace {

// Rows are made in chunks, each on whichever thread is free, and written in
// order.
constexpr std::int64_t kRowsPerChunk = 2048;

// ---- Output ---------------------------------------------------------------

void WriteCsvHeader(TextBuffer& w, bool showsUtcOffset) {
    w.Put(showsUtcOffset ? "date,time,utcOffset" : "date,time");
    PutStandingHeader(w);
    w.Put('\n');
}

void WriteCsvPlacement(TextBuffer& w, std::size_t, int place, KotaZone zone, KotaResult result) {
    PutStandingCells(w, place, zone, result);
}

void WriteJsonPlacement(TextBuffer& w, std::size_t body, int place, KotaZone zone,
                        KotaResult result) {
    w.Put(body == 0 ? "{\"body\":\"" : ",{\"body\":\"");
    w.Put(BodyNames[body]);
    w.Put("\",\"place\":");
    w.Number(place);
    w.Put(",\"zone\":\"");
    w.Put(ZoneLabel(zone));
    w.Put("\",\"result\":\"");
    w.Put(ResultLabel(result));
    w.Put("\"}");
}

void WriteRowStart(TextBuffer& w, const ScanRequest& request, const DayMoments& moments,
                   std::int64_t utcMinutes) {
    const CalendarMoment local = moments.LocalAt(utcMinutes);
    if (request.Format == ScanFormat::Csv) {
        w.Date(local);
        w.Put(',');
        w.Time(local);
        if (request.ShowsUtcOffset) {
            w.Put(',');
            w.Put(UtcOffsetText(moments.Clock().OffsetMinutesAt(utcMinutes)));
        }
    } else {
        w.Put("{\"date\":\"");
        w.Date(local);
        w.Put("\",\"time\":\"");
        w.Time(local);
        if (request.ShowsUtcOffset) {
            w.Put("\",\"utcOffset\":\"");
            w.Put(UtcOffsetText(moments.Clock().OffsetMinutesAt(utcMinutes)));
        }
        w.Put("\",\"placements\":[");
    }
}

void WriteRowEnd(TextBuffer& w, ScanFormat format) {
    w.Put(format == ScanFormat::Csv ? "\n" : "]}\n");
}

void WritePlacement(TextBuffer& w, ScanFormat format, std::size_t body, int place, KotaZone zone,
                    KotaResult result) {
    if (format == ScanFormat::Csv) {
        WriteCsvPlacement(w, body, place, zone, result);
    } else {
        WriteJsonPlacement(w, body, place, zone, result);
    }
}

// ---- Readings -------------------------------------------------------------

// Each reader makes one row's readings and writes them; what "changes only"
// compares is its State.

// From the longitudes as numbers: a row is nine nakshatras, and what each
// body's standing prints is written out once for the whole scan.
class NumberReader {
  public:
    using State = std::array<KotaNakshatra, kPlacedBodies>;

    NumberReader(const KotaRing& ring, ScanFormat format) {
        for (std::size_t body = 0; body < kPlacedBodies; ++body) {
            for (int k = -1; k < kKotaNakshatraCount; ++k) {
                const KotaStanding s = StandingOf(static_cast<int>(body), k, ring);
                TextBuffer w;
                WritePlacement(w, format, body, s.Place, s.Zone, s.Result);
                printed_[body][static_cast<std::size_t>(k + 1)] = std::move(w.Text());
            }
        }
    }

    State Read(const ChartInput& moment) const {
        const std::array<double, kPlacedBodies> longitudes = PlacedBodyLongitudes(moment);
        State s;
        for (std::size_t body = 0; body < kPlacedBodies; ++body) {
            s[body] = KotaNakshatraOfLongitude(longitudes[body]);
        }
        return s;
    }

    void Write(TextBuffer& w, const State& s) const {
        for (std::size_t body = 0; body < kPlacedBodies; ++body) {
            w.Put(printed_[body][static_cast<std::size_t>(s[body] + 1)]);
        }
    }

  private:
    std::array<std::array<std::string, kKotaNakshatraCount + 1>, kPlacedBodies> printed_;
};

// By the chart pass, its position texts and the placements, as a single
// reading is made.
class TextReader {
  public:
    struct State {
        std::array<int, kPlacedBodies> place{};
        std::array<KotaZone, kPlacedBodies> zone{};
        std::array<KotaResult, kPlacedBodies> result{};

        friend bool operator==(const State&, const State&) = default;
    };

    TextReader(const ChartInput& birth, ScanFormat format) : format_(format) {
        charts_.CalculateBirth(birth);
    }

    State Read(const ChartInput& moment) {
        charts_.CalculateOracle(moment);
        const KotaPlacements placements =
            ReadKotaChakra(charts_.BirthChart(), charts_.OracleChart()).Placements;
        State s;
        for (std::size_t i = 0; i < placements.size(); ++i) {
            s.place[i] = placements[i].Place;
            s.zone[i] = placements[i].Zone;
            s.result[i] = placements[i].Result;
        }
        return s;
    }

    void Write(TextBuffer& w, const State& s) const {
        for (std::size_t body = 0; body < kPlacedBodies; ++body) {
            WritePlacement(w, format_, body, s.place[body], s.zone[body], s.result[body]);
        }
    }

  private:
    ScanFormat format_;
    ChartCalculation charts_;
};

// The rows first … first + count − 1 of a scan.
struct ScanRows {
    std::int64_t firstUtc = 0;
    int stepMinutes = 1;
    long long total = 0;
};

template <class Reader>
std::string ChunkText(Reader& reader, DayMoments& moments, const ScanRows& rows,
                      const ScanRequest& request, long long firstRow, long long rowCount) {
    TextBuffer w;
    w.Text().reserve(static_cast<std::size_t>(rowCount) * 160);
    typename Reader::State previous{};
    if (request.ChangesOnly && firstRow > 0) {
        previous = reader.Read(moments.At(rows.firstUtc + (firstRow - 1) * rows.stepMinutes));
    }
    for (long long row = firstRow; row < firstRow + rowCount; ++row) {
        const std::int64_t utc = rows.firstUtc + row * rows.stepMinutes;
        const typename Reader::State state = reader.Read(moments.At(utc));
        if (!request.ChangesOnly || row == 0 || !(state == previous)) {
            WriteRowStart(w, request, moments, utc);
            reader.Write(w, state);
            WriteRowEnd(w, request.Format);
        }
        previous = state;
    }
    return std::move(w.Text());
}

}  // namespace

void AddScanOptions(QCommandLineParser& parser) {
    parser.addOption({"scan-until",
                      "Scan: a reading for every moment from the day of the reading up to and "
                      "including this one (local time of the day's place).",
                      "YYYY-MM-DD[THH:MM]"});
    parser.addOption({"scan-step",
                      "Scan step: minutes, hours or days (default 1d), counted in universal time, "
                      "so a change of the clocks neither repeats nor skips a row.",
                      "N{m|h|d}", "1d"});
    parser.addOption(
        {"changes-only", "Scan: print a row only when a body's place, zone or result changes."});
    parser.addOption({"jobs",
                      "Scans and --events: threads to work on (default: one for each core). "
                      "The output is the same for any number.",
                      "N"});
}

std::variant<int, InputError> JobsFromOptions(const QCommandLineParser& parser) {
    if (!parser.isSet("jobs")) {
        return DefaultJobs();
    }
    bool ok = false;
    const int jobs = parser.value("jobs").trimmed().toInt(&ok);
    if (!ok || jobs < 1 || jobs > 256) {
        return InputError{kExitUsage, "--jobs: expected a number of threads from 1 to 256"};
    }
    return jobs;
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
    if (MinutesSince1970(end) < LocalMinutesOf(day)) {
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

    const auto jobs = JobsFromOptions(parser);
    if (const auto* error = std::get_if<InputError>(&jobs)) {
        return *error;
    }
    request.Jobs = std::get<int>(jobs);
    return request;
}

bool RunScan(const ChartInput& birth, const ChartInput& day, const ScanRequest& request,
             std::FILE* out, std::FILE* progress) {
    return RunScan(birth, day, ClockOfDayInput(day), request, out, progress);
}

bool RunScan(const ChartInput& birth, const ChartInput& day, const LocalClock& clock,
             const ScanRequest& request, std::FILE* out, std::FILE* progress) {
    ScanRows rows;
    rows.firstUtc = clock.UtcMinutesOf(LocalMinutesOf(day));
    rows.stepMinutes = request.StepMinutes;
    const std::int64_t lastUtc = clock.UtcMinutesOf(MinutesSince1970(request.Until));
    rows.total = lastUtc < rows.firstUtc ? 0 : (lastUtc - rows.firstUtc) / rows.stepMinutes + 1;
    const std::int64_t chunks = (rows.total + kRowsPerChunk - 1) / kRowsPerChunk;

    const KotaRing ring = RingOfBirth(birth);
    const NumberReader numbers(ring, request.Format);

    InterruptionGuard interruption;
    ProgressBar bar(progress, rows.total);
    if (request.Format == ScanFormat::Csv) {
        TextBuffer header;
        WriteCsvHeader(header, request.ShowsUtcOffset);
        WriteOut(out, header.Text());
    }
    long long done = 0;
    // A failed write stops the chunks cleanly (the threads finish and are
    // joined) before the failure goes on to the caller.
    std::optional<OutputFailure> failure;
    const bool completed = RunOrderedChunks(
        chunks, request.Jobs,
        [&](std::int64_t chunk) {
            ClearUpperVectorState();
            DayMoments moments(day, clock);
            const long long first = chunk * kRowsPerChunk;
            const long long count = std::min<long long>(kRowsPerChunk, rows.total - first);
            if (request.Path == ScanPath::Texts) {
                TextReader texts(birth, request.Format);
                return ChunkText(texts, moments, rows, request, first, count);
            }
            return ChunkText(numbers, moments, rows, request, first, count);
        },
        [&](std::int64_t chunk, std::string&& text) {
            // Each chunk's rows go out as soon as it is done, so a reader on
            // a pipe sees them within a chunk's time; a chunk without rows
            // still notices a reader that has gone.
            try {
                if (text.empty()) {
                    ThrowIfOutputGone(out);
                } else {
                    WriteOut(out, text);
                }
            } catch (const OutputFailure& f) {
                failure = f;
                return false;
            }
            done = std::min<long long>(rows.total, (chunk + 1) * kRowsPerChunk);
            bar.Update(done);
            return !InterruptionGuard::Interrupted();
        });
    if (failure) {
        throw *failure;
    }
    return completed;
}

}  // namespace zkc::cli
