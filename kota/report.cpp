#include "kota/report.h"

#include "engine/month_names.h"
#include "kota/nakshatra_information.h"

namespace zkc {
namespace {

// Builds the text of one run from pieces, reusing one buffer.
class Run {
  public:
    Run& operator<<(std::string_view s) {
        text_.append(s);
        return *this;
    }
    Run& operator<<(int n) {
        text_.append(std::to_string(n));
        return *this;
    }
    void To(ReportSink& sink, ReportColour colour, bool bold) {
        sink.AppendRun(text_, colour, bold);
        text_.clear();
    }

  private:
    std::string text_;
};

class ReportWriter {
  public:
    ReportWriter(const KotaReportContent& content, ReportSink& sink) : c_(content), sink_(sink) {}

    void Write() {
        sink_.Clear();
        PersonalDetails();
        DetailsOfTheDay();
        BirthNakshatra();
        CurrentPositions();
        Ring();
        PlacesOfBodies();
        Interpretation();
    }

  private:
    void Heading(std::string_view title, std::string_view ending) {
        run_ << title << ending;
        run_.To(sink_, kReportRed, true);
    }
    void Label(std::string_view label) {
        run_ << label << kLineBreak;
        run_.To(sink_, kReportGreen, true);
    }
    void Value(std::string_view value) {
        run_ << value << kLineBreak;
        run_.To(sink_, kReportGreen, false);
    }

    // The zone fields as they stand ("5:30"), or a resolved offset signed,
    // in the same plain numbers, with the zone it came from ("+2:0
    // Europe/Madrid", "-4:30").
    void ZoneValue(const ChartInput& in) {
        if (!in.UtcOffsetMinutes) {
            run_ << in.ZoneHours << ":" << in.ZoneMinutes;
            return;
        }
        const int offset = *in.UtcOffsetMinutes;
        const int magnitude = offset < 0 ? -offset : offset;
        run_ << (offset < 0 ? "-" : "+") << magnitude / 60 << ":" << magnitude % 60;
        if (!in.TimeZone.empty()) {
            run_ << " " << in.TimeZone;
        }
    }

    // The label and value lines shared by both sets of details.
    void Details(const ChartInput& in, std::string_view dateLabel, std::string_view timeLabel) {
        Label(dateLabel);
        run_ << MonthName(in.Month) << " " << in.Day << ", " << in.Year << kLineBreak;
        run_.To(sink_, kReportGreen, false);
        Label(timeLabel);
        run_ << in.Hour << " Hour " << in.Minute << " Minute" << kLineBreak;
        run_.To(sink_, kReportGreen, false);
        Label("Time Zone: ");
        ZoneValue(in);
        run_ << kLineBreak;
        run_.To(sink_, kReportGreen, false);
        Label("Longitude: ");
        run_ << in.LongitudeDegrees << " Degree " << in.LongitudeMinutes << " Minute";
        run_.To(sink_, kReportGreen, false);
        Value(in.IsEast ? " East" : " West");
        Label("Latitude: ");
        run_ << in.LatitudeDegrees << " Degree " << in.LatitudeMinutes << " Minute";
        run_.To(sink_, kReportGreen, false);
        Value(in.IsSouth ? " South" : " North");
        Label("City: ");
        Value(in.City);
        Label("State: ");
        Value(in.State);
        Label("Country: ");
        run_ << in.Country << kLineBreak << kLineBreak;
        run_.To(sink_, kReportGreen, false);
    }

    void PersonalDetails() {
        Heading("Personal Details", kLineBreak);
        Label("Name: ");
        Value(c_.Birth.Name);
        Details(c_.Birth, "Date of Birth: ", "Time of Birth: ");
    }

    void DetailsOfTheDay() {
        Heading("Details of the Outcome", kLineBreak);
        Details(c_.Day, "Date: ", "Time: ");
    }

    void BirthNakshatra() {
        Heading("Birth Nakshatra", kLineBreak);
        run_ << c_.BirthMoonNakshatraName << kLineBreak << kLineBreak;
        run_.To(sink_, kReportRed, false);
    }

    void EndOfList() {
        run_ << kLineBreak;
        run_.To(sink_, kReportBlack, false);
    }

    void CurrentPositions() {
        Heading("Current Position of Planets", kLineBreak);
        for (std::size_t i = 0; i < kListedBodies; ++i) {
            run_ << c_.DayPositions.BodyNames[i] << " - ";
            run_.To(sink_, kReportGreen, true);
            run_ << " " << c_.DayPositions.PositionTexts[i] << kLineBreak;
            run_.To(sink_, kReportBlack, false);
        }
        EndOfList();
    }

    void Ring() {
        Heading("Positions of Nakshatras in Kota Chakra Chart", kLineBreak);
        for (int place = 1; place <= kRingPlaces; ++place) {
            run_ << "Position " << place << " - ";
            run_.To(sink_, kReportGreen, true);
            const auto k = static_cast<std::size_t>(c_.Ring.NakshatraAt(place));
            run_ << KotaNakshatraNames[k] << kLineBreak;
            run_.To(sink_, kReportBlack, false);
        }
        EndOfList();
    }

    void PlacesOfBodies() {
        Heading("Positions of Planets in Kota Chakra Chart", kLineBreak);
        for (const KotaPlacement& p : c_.Placements) {
            run_ << p.BodyName << " - ";
            run_.To(sink_, kReportGreen, true);
            run_ << p.Place << kLineBreak;
            run_.To(sink_, kReportBlack, false);
        }
        EndOfList();
    }

    void Interpretation() {
        Heading("Kota Chakra Interpretation", "\r\n\r\n");
        for (const KotaPlacement& p : c_.Placements) {
            run_ << p.BodyName << " - ";
            run_.To(sink_, kReportMagenta, true);
            run_ << NatureLabel(p.Nature) << kLineBreak;
            run_.To(sink_, kReportBlack, false);
            run_ << "Position - ";
            run_.To(sink_, kReportMagenta, true);
            run_ << ZoneLabel(p.Zone) << kLineBreak;
            run_.To(sink_, kReportBlack, false);
            run_ << "Result - ";
            run_.To(sink_, kReportMagenta, true);
            run_ << ResultLabel(p.Result) << kLineBreak << kLineBreak;
            run_.To(sink_, kReportBlack, false);
        }
    }

    const KotaReportContent& c_;
    ReportSink& sink_;
    Run run_;
};

}  // namespace

void WriteKotaReport(const KotaReportContent& content, ReportSink& sink) {
    ReportWriter(content, sink).Write();
}

}  // namespace zkc
