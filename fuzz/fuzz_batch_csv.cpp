// Fuzzes the batch's CSV rows: any bytes, read as lines, with their first
// line as the header (or a header of every key where that one is refused),
// give pages or a refusal naming the cell, never a crash.
#include <QCoreApplication>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/csv_rows.h"

namespace {

const zkc::cli::CsvLayout& EveryKey() {
    static const zkc::cli::CsvLayout layout = std::get<zkc::cli::CsvLayout>(zkc::cli::CsvHeader(
        "birth.Name,birth.Month,birth.Day,birth.Year,birth.Hour,birth.Minute,birth.ZoneHours,"
        "birth.ZoneMinutes,birth.LongitudeDegrees,birth.LongitudeMinutes,birth.IsEast,"
        "birth.LatitudeDegrees,birth.LatitudeMinutes,birth.IsSouth,birth.IsDaylightSaving,"
        "birth.City,birth.State,birth.Country,birth.Place,birth.TimeZone,birth.UtcOffset,"
        "day.Month,day.Day,day.Year,day.Hour,day.Minute,day.ZoneHours,day.ZoneMinutes,"
        "day.LongitudeDegrees,day.LongitudeMinutes,day.IsEast,day.LatitudeDegrees,"
        "day.LatitudeMinutes,day.IsSouth,day.IsDaylightSaving,day.City,day.State,day.Country,"
        "day.Place,day.TimeZone,day.UtcOffset"));
    return layout;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t headerEnd = std::min(input.find('\n'), input.size());
    auto header = zkc::cli::CsvHeader(input.substr(0, headerEnd));
    const zkc::cli::CsvLayout& layout = std::holds_alternative<zkc::cli::CsvLayout>(header)
                                            ? std::get<zkc::cli::CsvLayout>(header)
                                            : EveryKey();
    input.remove_prefix(std::min(headerEnd + 1, input.size()));
    std::vector<std::string> cells;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        if (zkc::cli::SplitCsv(input.substr(0, end), cells)) {
            (void)zkc::cli::PagesOfRow(layout, cells);
        }
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return 0;
}
