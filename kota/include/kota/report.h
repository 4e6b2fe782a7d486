// The reading as an ordered list of runs: pieces of text, each with a colour
// and a weight. Lines end in "\r\n".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_input.h"
#include "engine/chart_positions.h"
#include "kota/kota_ring.h"
#include "kota/placement.h"

namespace zkc {

struct ReportColour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    friend bool operator==(const ReportColour&, const ReportColour&) = default;
};

inline constexpr ReportColour kReportRed{128, 0, 0};
inline constexpr ReportColour kReportGreen{0, 128, 0};
inline constexpr ReportColour kReportBlack{0, 0, 0};
inline constexpr ReportColour kReportMagenta{128, 0, 128};

inline constexpr std::string_view kLineBreak = "\r\n";

// Where a report is written: the window's rich text box, plain text, a list.
class ReportSink {
  public:
    virtual ~ReportSink() = default;
    // Empties the destination; a report starts with it.
    virtual void Clear() = 0;
    // Appends text at the end in the given colour and weight.
    virtual void AppendRun(std::string_view text, ReportColour colour, bool bold) = 0;
};

struct ReportRun {
    std::string Text;
    ReportColour Colour;
    bool Bold = false;

    friend bool operator==(const ReportRun&, const ReportRun&) = default;
};

// Keeps the runs as they come.
class ReportRunList : public ReportSink {
  public:
    void Clear() override { runs_.clear(); }
    void AppendRun(std::string_view text, ReportColour colour, bool bold) override {
        runs_.push_back({std::string(text), colour, bold});
    }
    const std::vector<ReportRun>& Runs() const { return runs_; }

  private:
    std::vector<ReportRun> runs_;
};

// Keeps only the text, with every "\r\n" as it was written.
class PlainTextSink : public ReportSink {
  public:
    void Clear() override { text_.clear(); }
    void AppendRun(std::string_view text, ReportColour, bool) override { text_.append(text); }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// Everything the report prints.
struct KotaReportContent {
    const ChartInput& Birth;
    const ChartInput& Day;
    std::string_view BirthMoonNakshatraName;  // 27 scheme, printed as the birth nakshatra
    const ChartPositions& DayPositions;
    const KotaRing& Ring;
    const KotaPlacements& Placements;
};

// Clears the sink and writes the seven sections: personal details, details
// of the day, birth nakshatra, current positions, the ring, the places of the
// bodies and their interpretation.
void WriteKotaReport(const KotaReportContent& content, ReportSink& sink);

}  // namespace zkc
