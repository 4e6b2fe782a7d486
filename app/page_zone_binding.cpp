#include "app/page_zone_binding.h"

#include "places/page_zone.h"

namespace zkc::app {

void PageZoneBinding::Bind(const places::City& city) {
    Bind(city.TimeZone,
         PageFields::AtlasPlace{city.Name.toStdString(), city.State.toStdString(),
                                city.Country.toStdString(), city.CountryCode.toStdString()});
}

void PageZoneBinding::Bind(const QString& zone, std::optional<PageFields::AtlasPlace> place) {
    zone_ = zone;
    place_ = std::move(place);
}

void PageZoneBinding::Unbind() {
    zone_.reset();
    place_.reset();
}

PageZoneBinding::Shown PageZoneBinding::ShownFor(const PageFields& page) const {
    if (!zone_) {
        return {};
    }
    PageFields bound = page;
    WriteInto(bound);
    const auto offset = places::OffsetOfPage(bound);
    if (const auto* error = std::get_if<places::ZoneError>(&offset)) {
        return {error->Message, std::nullopt};
    }
    const places::PageOffset& o = *std::get<std::optional<places::PageOffset>>(offset);
    QString line = places::DescribeZoneOnDate(*zone_, o.Offset);
    if (!o.TwiceNote.isEmpty()) {
        // A time the clocks showed twice: say which one the reading takes.
        const auto resolved = places::ResolveLocalTime(
            *zone_,
            {QDate(page.Year, page.MonthIndex + 1, page.DayIndex + 1), page.Hour, page.Minute});
        if (const auto* r = std::get_if<places::ResolvedLocalTime>(&resolved);
            r && r->SecondOccurrence) {
            line += QString("; this time happened twice, the first is taken (the second was %1)")
                        .arg(places::DescribeUtcOffset(r->SecondOccurrence->OffsetMinutes));
        }
    }
    return {line, places::ZoneFieldsFor(o.Offset)};
}

void PageZoneBinding::WriteInto(PageFields& page) const {
    page.TimeZone = zone_ ? zone_->toStdString() : std::string();
    page.Place = zone_ ? place_ : std::nullopt;
}

}  // namespace zkc::app
