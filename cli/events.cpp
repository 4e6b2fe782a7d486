#include "cli/events.h"

#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/interruption.h"
#include "cli/output_channel.h"
#include "cli/progress_bar.h"
#include "cli/scan.h"
#include "cli/text_buffer.h"
#include "cli/vector_state.h"
#include "engine/chart_positions.h"
#include "transits/kota_standing.h"
#include "transits/standing_search.h"
#include "transits/transit_csv.h"

namespace zkc::cli {
namespace {

void WriteMoment(TextBuffer& w, const CalendarMoment& m, char between) {
    w.Date(m);
    w.Put(between);
    w.Time(m);
}

void WritePadded(TextBuffer& w, std::string_view text, std::size_t width) {
    w.Put(text);
    for (std::size_t n = text.size(); n < width; ++n) {
        w.Put(' ');
    }
}

constexpr std::size_t kStandingWidth = 42;  // the longest standing label and a gap

void WriteTableHeader(TextBuffer& w) {
    w.Put("  ");
    WritePadded(w, "local", 18);
    WritePadded(w, "UTC", 18);
    WritePadded(w, "body", 9);
    WritePadded(w, "from", kStandingWidth);
    w.Put("to\n");
}

void WriteJsonStanding(TextBuffer& w, const KotaStanding& s) {
    w.Put("{\"place\":");
    w.Number(s.Place);
    w.Put(",\"nakshatra\":\"");
    w.Put(KotaNakshatraName(s.Nakshatra));
    w.Put("\",\"zone\":\"");
    w.Put(ZoneLabel(s.Zone));
    w.Put("\",\"result\":\"");
    w.Put(ResultLabel(s.Result));
    w.Put("\"}");
}

void WriteEvent(TextBuffer& w, EventFormat format, const TransitRow& row) {
    const std::string_view name = BodyNames[static_cast<std::size_t>(row.body)];
    const CalendarMoment utc = MomentFromMinutes(row.utcMinutes);
    switch (format) {
        case EventFormat::Table:
            // A change into an adverse standing is marked at the start.
            w.Put(row.BecomesAdverse() ? "! " : "  ");
            WriteMoment(w, row.local, ' ');
            w.Put("  ");
            WriteMoment(w, utc, ' ');
            w.Put("  ");
            WritePadded(w, name, 9);
            WritePadded(w, StandingLabel(row.from), kStandingWidth);
            w.Put(StandingLabel(row.to));
            w.Put('\n');
            return;
        case EventFormat::Csv:
            AppendTransitCsv(w.Text(), row);
            return;
        case EventFormat::JsonLines:
            w.Put("{\"local\":\"");
            WriteMoment(w, row.local, 'T');
            w.Put("\",\"utc\":\"");
            WriteMoment(w, utc, 'T');
            w.Put("\",\"body\":\"");
            w.Put(name);
            w.Put("\",\"from\":");
            WriteJsonStanding(w, row.from);
            w.Put(",\"to\":");
            WriteJsonStanding(w, row.to);
            w.Put("}\n");
            return;
    }
}

}  // namespace

void AddEventOptions(QCommandLineParser& parser) {
    parser.addOption({"events",
                      "With --scan-until: every change of a body's place, nakshatra, zone or "
                      "result, to the minute, as a table (--format text), CSV (--format csv) or "
                      "JSON lines (--format json)."});
}

bool WantsEvents(const QCommandLineParser& parser) {
    return parser.isSet("events");
}

std::variant<EventRequest, InputError> EventsFromOptions(const QCommandLineParser& parser,
                                                         const ChartInput& day,
                                                         const QString& format) {
    if (!WantsScan(parser)) {
        return InputError{kExitUsage, "--events needs --scan-until"};
    }
    if (parser.isSet("scan-step") || parser.isSet("changes-only")) {
        return InputError{kExitUsage, "--scan-step and --changes-only do not apply to --events"};
    }
    const auto scan = ScanFromOptions(parser, day, false);
    if (const auto* error = std::get_if<InputError>(&scan)) {
        return *error;
    }
    EventRequest request;
    request.Until = std::get<ScanRequest>(scan).Until;
    request.Jobs = std::get<ScanRequest>(scan).Jobs;
    request.Format = format == "json"  ? EventFormat::JsonLines
                     : format == "csv" ? EventFormat::Csv
                                       : EventFormat::Table;
    return request;
}

bool RunEvents(const ChartInput& birth, const ChartInput& day, const EventRequest& request,
               std::FILE* out, std::FILE* progress) {
    return RunEvents(birth, day, ClockOfDayInput(day), request, out, progress);
}

bool RunEvents(const ChartInput& birth, const ChartInput& day, const LocalClock& clock,
               const EventRequest& request, std::FILE* out, std::FILE* progress) {
    const std::int64_t afterUtc = clock.UtcMinutesOf(LocalMinutesOf(day));
    const std::int64_t lastUtc = clock.UtcMinutesOf(MinutesSince1970(request.Until));
    const KotaRing ring = RingOfBirth(birth);
    const DayMoments moments(day, clock);
    ClearUpperVectorState();

    InterruptionGuard interruption;
    ProgressBar bar(progress, std::max<std::int64_t>(0, lastUtc - afterUtc));
    TextBuffer header;
    if (request.Format == EventFormat::Table) {
        WriteTableHeader(header);
    } else if (request.Format == EventFormat::Csv) {
        header.Put(TransitCsvHeader());
    }
    WriteOut(out, header.Text());
    // As with scans: a failed write stops the search cleanly, then goes on.
    std::optional<OutputFailure> failure;
    const auto write = [&](std::vector<StandingChange>&& changes, std::int64_t throughUtc) {
        TextBuffer w;
        for (const StandingChange& c : changes) {
            WriteEvent(w, request.Format,
                       {c.utcMinutes, moments.LocalAt(c.utcMinutes), c.body,
                        StandingOf(c.body, c.from, ring), StandingOf(c.body, c.to, ring)});
        }
        try {
            if (w.Size() == 0) {
                ThrowIfOutputGone(out);
            } else {
                WriteOut(out, w.Text());
            }
        } catch (const OutputFailure& f) {
            failure = f;
            return false;
        }
        bar.Update(throughUtc - afterUtc);
        return !InterruptionGuard::Interrupted();
    };
    const bool completed = FindStandingChanges(day, clock, afterUtc, lastUtc, request.Jobs, write);
    if (failure) {
        throw *failure;
    }
    return completed;
}

}  // namespace zkc::cli
