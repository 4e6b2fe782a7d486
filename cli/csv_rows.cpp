#include "cli/csv_rows.h"

#include <algorithm>
#include <charconv>

#include "documents/core_text.h"
#include "documents/page_source.h"

namespace zkc::cli {
namespace {

// The keys of one page in a CSV row: a cell's text is read as the kind the
// page reader wants (a number, a flag, a text); a cell that is not of that
// kind reads as a text, so that the reader names the fault as it does for
// JSON.
class CsvPageSource : public PageSource {
  public:
    CsvPageSource(const CsvColumns& columns, const std::vector<std::string>& cells)
        : columns_(columns), cells_(cells) {}

    bool Has(std::string_view key) const override { return Cell(key) != nullptr; }

    Value Get(std::string_view key, Kind wanted) const override {
        const std::string* cell = Cell(key);
        if (!cell) {
            return {};
        }
        const std::string_view text = Trimmed(*cell);
        if (wanted == Kind::Flag) {
            if (EqualsIgnoringCase(text, "true") || text == "1" ||
                EqualsIgnoringCase(text, "yes")) {
                return {Kind::Flag, 0, true, {}};
            }
            if (EqualsIgnoringCase(text, "false") || text == "0" ||
                EqualsIgnoringCase(text, "no")) {
                return {Kind::Flag, 0, false, {}};
            }
        } else if (wanted == Kind::Number) {
            long long n = 0;
            const char* end = text.data() + text.size();
            const char* digits =
                !text.empty() && text.front() == '+' ? text.data() + 1 : text.data();
            const auto [at, error] = std::from_chars(digits, end, n);
            if (error == std::errc() && at == end && digits != end) {
                return {Kind::Number, static_cast<double>(n), false, {}};
            }
        }
        return {Kind::Text, 0, false, FromCore(text)};
    }

  private:
    static std::string_view Trimmed(std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
            s.remove_prefix(1);
        }
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
        }
        return s;
    }
    static bool EqualsIgnoringCase(std::string_view s, std::string_view lower) {
        if (s.size() != lower.size()) {
            return false;
        }
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i] >= 'A' && s[i] <= 'Z' ? static_cast<char>(s[i] - 'A' + 'a') : s[i];
            if (c != lower[i]) {
                return false;
            }
        }
        return true;
    }
    // An empty cell is a missing key.
    const std::string* Cell(std::string_view key) const {
        for (const auto& [name, column] : columns_) {
            if (name == key) {
                if (column >= cells_.size()) {
                    return nullptr;
                }
                const std::string& cell = cells_[column];
                return cell.find_first_not_of(" \t") == std::string::npos ? nullptr : &cell;
            }
        }
        return nullptr;
    }

    const CsvColumns& columns_;
    const std::vector<std::string>& cells_;
};

}  // namespace

bool SplitCsv(std::string_view line, std::vector<std::string>& fields) {
    std::size_t count = 0;
    const auto next = [&]() -> std::string& {
        if (count == fields.size()) {
            fields.emplace_back();
        }
        std::string& f = fields[count++];
        f.clear();
        return f;
    };
    std::string* field = &next();
    std::size_t i = 0;
    while (i <= line.size()) {
        if (i < line.size() && line[i] == '"') {
            // A quoted stretch: up to the closing quote, "" standing for one.
            ++i;
            for (;;) {
                const std::size_t quote = line.find('"', i);
                if (quote == std::string_view::npos) {
                    fields.resize(count);
                    return false;
                }
                field->append(line, i, quote - i);
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    field->push_back('"');
                    ++i;
                    continue;
                }
                break;
            }
        }
        const std::size_t stop = std::min(line.find_first_of(",\"", i), line.size());
        field->append(line, i, stop - i);
        i = stop;
        if (i < line.size() && line[i] == '"') {
            continue;  // a quote inside an unquoted field opens a quoted stretch
        }
        if (i >= line.size()) {
            break;
        }
        field = &next();  // a comma
        ++i;
    }
    fields.resize(count);
    return true;
}

std::variant<CsvLayout, QString> CsvHeader(std::string_view line) {
    std::vector<std::string> fields;
    if (!SplitCsv(line, fields)) {
        return QString("the header has an open quote");
    }
    CsvLayout layout;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString column = QString::fromStdString(fields[i]).trimmed();
        if (column.startsWith("birth.")) {
            layout.birth.emplace_back(column.mid(6).toStdString(), i);
        } else if (column.startsWith("day.")) {
            layout.day.emplace_back(column.mid(4).toStdString(), i);
        } else {
            return QString("header column \"%1\" is not birth.KEY or day.KEY").arg(column);
        }
    }
    return layout;
}

std::variant<Pages, DocumentError> PagesOfRow(const CsvLayout& layout,
                                              const std::vector<std::string>& cells) {
    auto birth = PageFromSource(CsvPageSource(layout.birth, cells), "birth", true);
    if (auto* error = std::get_if<DocumentError>(&birth)) {
        return *error;
    }
    auto day = PageFromSource(CsvPageSource(layout.day, cells), "day", false);
    if (auto* error = std::get_if<DocumentError>(&day)) {
        return *error;
    }
    return Pages{std::move(std::get<PageFields>(birth)), std::move(std::get<PageFields>(day))};
}

}  // namespace zkc::cli
