// Fuzzes the calculation core, the reading and the report with arbitrary
// 16-bit values and flags in every chart input field of both charts.
//
// Whatever the values: no crash and no undefined behaviour, all nine
// placements complete, the report's seven sections in order. For inputs the
// page checks admit, every position text is well formed.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/chart_calculation.h"
#include "engine/position_text.h"
#include "input/page_input.h"
#include "kota/kota_chakra.h"

using namespace zkc;

namespace {

// Reads the fuzzer's bytes as chart input fields; missing bytes are zeros.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int16_t Int16() {
        const auto lo = Byte();
        const auto hi = Byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    std::string Text() {
        const std::size_t length = Byte() % 24;
        std::string s;
        for (std::size_t i = 0; i < length; ++i) {
            s.push_back(static_cast<char>(Byte()));
        }
        return s;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

ChartInput ReadInput(Bytes& b, bool birth) {
    ChartInput in;
    in.Month = b.Int16();
    in.Day = b.Int16();
    in.Year = b.Int16();
    in.ZoneHours = b.Int16();
    in.ZoneMinutes = b.Int16();
    in.Hour = b.Int16();
    in.Minute = b.Int16();
    in.LongitudeDegrees = b.Int16();
    in.LongitudeMinutes = b.Int16();
    in.LatitudeDegrees = b.Int16();
    in.LatitudeMinutes = b.Int16();
    const std::uint8_t flags = b.Byte();
    in.IsDaylightSaving = flags & 1;
    in.IsEast = flags & 2;
    in.IsSouth = flags & 4;
    if (birth) {
        in.Name = b.Text();
    }
    in.City = b.Text();
    in.State = b.Text();
    in.Country = b.Text();
    return in;
}

// Whether the window (or the command line) would let this input through:
// a value its lists offer and a page its checks admit.
bool Admitted(const ChartInput& in) {
    const bool listed = in.Year >= 1901 && in.Year <= 2050 && in.Month >= 1 && in.Month <= 12 &&
                        in.Day >= 1 && in.Day <= 31 && in.Hour >= 0 && in.Hour <= 23 &&
                        in.Minute >= 0 && in.Minute <= 59;
    if (!listed) {
        return false;
    }
    PageFields page;
    page.MonthIndex = in.Month - 1;
    page.DayIndex = in.Day - 1;
    page.Year = in.Year;
    page.Hour = in.Hour;
    page.Minute = in.Minute;
    page.ZoneHour = std::to_string(in.ZoneHours);
    page.ZoneMinute = std::to_string(in.ZoneMinutes);
    page.LonDegrees = std::to_string(in.LongitudeDegrees);
    page.LonMinutes = std::to_string(in.LongitudeMinutes);
    page.LatDegrees = std::to_string(in.LatitudeDegrees);
    page.LatMinutes = std::to_string(in.LatitudeMinutes);
    // The chart input holds zone magnitudes: the page takes absolute values.
    return in.ZoneHours >= 0 && in.ZoneMinutes >= 0 && !CheckPage(page).has_value();
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckPositions(const ChartView& chart) {
    for (int i = 0; i < kListedBodies; ++i) {
        Check(ParsePositionText(chart.Positions.PositionTexts[static_cast<std::size_t>(i)])
                  .has_value());
    }
}

// Keeps the red bold runs: the section headings.
class Headings : public ReportSink {
  public:
    void Clear() override { headings.clear(); }
    void AppendRun(std::string_view text, ReportColour colour, bool bold) override {
        if (colour == kReportRed && bold) {
            headings.emplace_back(text);
        }
    }
    std::vector<std::string> headings;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const ChartInput birth = ReadInput(bytes, true);
    const ChartInput day = ReadInput(bytes, false);

    static ChartCalculation charts;  // reused, as the window reuses its own
    charts.Calculate(birth, day);
    Headings report;
    const KotaReading reading = Kota_Chakra(charts.BirthChart(), charts.OracleChart(), report);

    if (Admitted(birth)) {
        CheckPositions(charts.BirthChart());
    }
    if (Admitted(day)) {
        CheckPositions(charts.OracleChart());
    }
    for (const KotaPlacement& p : reading.Placements) {
        Check(p.Place >= 1 && p.Place <= 28 && p.Nakshatra >= 0 && p.Nakshatra <= 27);
    }
    const std::vector<std::string> sections = {"Personal Details\r\n",
                                               "Details of the Outcome\r\n",
                                               "Birth Nakshatra\r\n",
                                               "Current Position of Planets\r\n",
                                               "Positions of Nakshatras in Kota Chakra Chart\r\n",
                                               "Positions of Planets in Kota Chakra Chart\r\n",
                                               "Kota Chakra Interpretation\r\n\r\n"};
    Check(report.headings == sections);
    return 0;
}
