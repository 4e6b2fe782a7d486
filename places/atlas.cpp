#include "places/atlas.h"

#include <geonames.h>

#include <QHash>
#include <algorithm>
#include <string_view>

#include "places/search_text.h"

namespace zkc::places {
namespace {

// How well a folded name answers a folded query; lower is better.
enum class NameMatch { Exact, Prefix, WordPrefix, None };

NameMatch MatchName(std::string_view name, std::string_view query) {
    if (name == query) {
        return NameMatch::Exact;
    }
    if (name.starts_with(query)) {
        return NameMatch::Prefix;
    }
    for (std::size_t blank = name.find(' '); blank != std::string_view::npos;
         blank = name.find(' ', blank + 1)) {
        if (name.substr(blank + 1).starts_with(query)) {
            return NameMatch::WordPrefix;
        }
    }
    return NameMatch::None;
}

bool StartsAWord(std::string_view text, std::string_view part) {
    return MatchName(text, part) != NameMatch::None;
}

// Names people use for a country that the atlas spells otherwise.
std::string_view CountryCodeAlias(std::string_view qualifier) {
    if (qualifier == "uk" || qualifier == "britain" || qualifier == "great britain") {
        return "gb";
    }
    if (qualifier == "usa" || qualifier == "united states" || qualifier == "america") {
        return "us";
    }
    return {};
}

QString FromLibrary(const gchar* text) {
    return text ? QString::fromUtf8(text) : QString();
}

}  // namespace

Atlas::Atlas() {
    // States and countries repeat across thousands of towns: fold each once.
    QHash<QString, std::string> folded;
    const auto fold = [&folded](const QString& text) -> const std::string& {
        auto it = folded.find(text);
        if (it == folded.end()) {
            it = folded.insert(text, FoldForSearch(text));
        }
        return it.value();
    };
    const gint count = geonames_get_n_cities();
    entries_.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* c = geonames_get_city(i);
        if (!c) {
            continue;
        }
        Entry e;
        e.city.Name = FromLibrary(geonames_city_get_name(c));
        e.city.State = FromLibrary(geonames_city_get_state(c));
        e.city.Country = FromLibrary(geonames_city_get_country(c));
        e.city.CountryCode = FromLibrary(geonames_city_get_country_code(c));
        e.city.TimeZone = FromLibrary(geonames_city_get_timezone(c));
        e.city.LatitudeDegrees = geonames_city_get_latitude(c);
        e.city.LongitudeDegrees = geonames_city_get_longitude(c);
        e.city.Population = geonames_city_get_population(c);
        geonames_city_free(c);
        e.name = FoldForSearch(e.city.Name);
        e.state = fold(e.city.State);
        e.country = fold(e.city.Country);
        e.code = fold(e.city.CountryCode);
        entries_.push_back(std::move(e));
    }
}

const Atlas& Atlas::Shared() {
    static const Atlas atlas;  // initialised once, thread-safe
    return atlas;
}

std::vector<City> Atlas::Find(const QString& placeText, int limit) const {
    // Enough for every town a batch names; beyond it the answers start over.
    constexpr std::size_t kAnswersKept = 4096;
    std::string key = placeText.toStdString();
    key += '\0';
    key += std::to_string(limit);
    {
        const std::lock_guard lock(answersMutex_);
        if (const auto it = answers_.find(key); it != answers_.end()) {
            return it->second;
        }
    }
    std::vector<City> cities = Search(placeText, limit);
    const std::lock_guard lock(answersMutex_);
    if (answers_.size() >= kAnswersKept) {
        answers_.clear();
    }
    answers_.emplace(std::move(key), cities);
    return cities;
}

void Atlas::ForgetAnswers() const {
    const std::lock_guard lock(answersMutex_);
    answers_.clear();
}

std::vector<City> Atlas::Search(const QString& placeText, int limit) const {
    // "Name, qualifier, qualifier…": every qualifier must name the town's
    // state, country or country code.
    const QStringList parts = placeText.split(u',');
    const std::string query = FoldForSearch(parts.front());
    std::vector<std::string> qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (std::string q = FoldForSearch(parts[i]); !q.empty()) {
            qualifiers.push_back(std::move(q));
        }
    }
    if (query.empty() || limit <= 0) {
        return {};
    }
    const auto qualifies = [&](const Entry& e) {
        for (const std::string& q : qualifiers) {
            const std::string_view alias = CountryCodeAlias(q);
            const bool named = e.code == q || (!alias.empty() && e.code == alias) ||
                               StartsAWord(e.country, q) || StartsAWord(e.state, q);
            if (!named) {
                return false;
            }
        }
        return true;
    };

    struct Candidate {
        NameMatch match;
        unsigned population;
        std::size_t index;
    };
    std::vector<Candidate> found;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        const NameMatch match = MatchName(e.name, query);
        if (match != NameMatch::None && qualifies(e)) {
            found.push_back({match, e.city.Population, i});
        }
    }
    const auto better = [](const Candidate& a, const Candidate& b) {
        if (a.match != b.match) {
            return a.match < b.match;
        }
        if (a.population != b.population) {
            return a.population > b.population;
        }
        return a.index < b.index;
    };
    const auto kept = std::min(found.size(), static_cast<std::size_t>(limit));
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(),
                      better);
    std::vector<City> cities;
    cities.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        cities.push_back(entries_[found[i].index].city);
    }
    return cities;
}

}  // namespace zkc::places
