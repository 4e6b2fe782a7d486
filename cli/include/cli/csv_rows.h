// Charts as rows of a CSV table whose header names each column "birth.KEY"
// or "day.KEY", the keys of a chart document.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "documents/chart_document.h"

namespace zkc::cli {

// The column of each key of one page.
using CsvColumns = std::vector<std::pair<std::string, std::size_t>>;

struct CsvLayout {
    CsvColumns birth;
    CsvColumns day;
};

// The fields of a CSV line into `fields` (whose strings keep their storage
// from row to row): commas outside quotes separate, "" in quotes is a quote.
// False when a quote is left open.
bool SplitCsv(std::string_view line, std::vector<std::string>& fields);

// The layout of the header line; the reason when a column is not
// "birth.KEY" or "day.KEY".
std::variant<CsvLayout, QString> CsvHeader(std::string_view line);

// The pages of a row's cells; an empty cell is a missing key.
std::variant<Pages, DocumentError> PagesOfRow(const CsvLayout& layout,
                                              const std::vector<std::string>& cells);

}  // namespace zkc::cli
