#include "places/page_zone.h"

namespace zkc::places {

std::variant<std::optional<PageOffset>, ZoneError> OffsetOfPage(const PageFields& page) {
    if (page.UtcOffsetMinutes) {
        const int offset = *page.UtcOffsetMinutes;
        return std::optional<PageOffset>(PageOffset{{offset, offset, false}, {}});
    }
    if (page.TimeZone.empty()) {
        return std::optional<PageOffset>();
    }
    const QString zone = QString::fromStdString(page.TimeZone);
    const LocalTime local{QDate(page.Year, page.MonthIndex + 1, page.DayIndex + 1), page.Hour,
                          page.Minute};
    if (!local.Date.isValid()) {
        // The page's own date check reports an impossible date; until then
        // the zone's offset at the start of the month stands in.
        const LocalTime first{QDate(page.Year, page.MonthIndex + 1, 1), page.Hour, page.Minute};
        const auto resolved = ResolveLocalTime(zone, first);
        if (const auto* error = std::get_if<ZoneError>(&resolved)) {
            return *error;
        }
        return std::optional<PageOffset>(
            PageOffset{std::get<ResolvedLocalTime>(resolved).Offset, {}});
    }
    const auto resolved = ResolveLocalTime(zone, local);
    if (const auto* error = std::get_if<ZoneError>(&resolved)) {
        return *error;
    }
    const ResolvedLocalTime& r = std::get<ResolvedLocalTime>(resolved);
    return std::optional<PageOffset>(PageOffset{r.Offset, TwiceNote(zone, local, r)});
}

std::optional<ZoneError> ShowOffsetInZoneFields(PageFields& page) {
    const auto offset = OffsetOfPage(page);
    if (const auto* error = std::get_if<ZoneError>(&offset)) {
        return *error;
    }
    if (const auto& pageOffset = std::get<std::optional<PageOffset>>(offset)) {
        const ZoneFields fields = ZoneFieldsFor(pageOffset->Offset);
        page.ZoneHour = std::to_string(fields.Hours);
        page.ZoneMinute = std::to_string(fields.Minutes);
        page.IsDaylightSaving = fields.DaylightSaving;
    }
    return std::nullopt;
}

std::variant<PageMoment, ZoneError> MomentOfPage(const PageFields& page) {
    PageMoment moment{ReadPage(page), {}};
    const auto offset = OffsetOfPage(page);
    if (const auto* error = std::get_if<ZoneError>(&offset)) {
        return *error;
    }
    if (const auto& pageOffset = std::get<std::optional<PageOffset>>(offset)) {
        moment.Input.UtcOffsetMinutes = static_cast<std::int16_t>(pageOffset->Offset.OffsetMinutes);
        moment.Input.TimeZone = page.UtcOffsetMinutes ? std::string() : page.TimeZone;
        moment.TwiceNote = pageOffset->TwiceNote;
    }
    return moment;
}

std::variant<ReadingInputs, ZoneError> InputsOfPages(const PageFields& birth,
                                                     const PageFields& day) {
    auto birthMoment = MomentOfPage(birth);
    if (const auto* error = std::get_if<ZoneError>(&birthMoment)) {
        return *error;
    }
    auto dayMoment = MomentOfPage(day);
    if (const auto* error = std::get_if<ZoneError>(&dayMoment)) {
        return *error;
    }
    return ReadingInputs{std::move(std::get<PageMoment>(birthMoment).Input),
                         std::move(std::get<PageMoment>(dayMoment).Input)};
}

}  // namespace zkc::places
