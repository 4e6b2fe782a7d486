// The offline atlas: 24,361 towns of the world with their state, country,
// time zone, coordinates and population.
#pragma once

#include <QString>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace zkc::places {

struct City {
    QString Name;
    QString State;
    QString Country;
    QString CountryCode;          // ISO 3166 alpha-2, "ES"
    QString TimeZone;             // IANA name, "Europe/Madrid"
    double LatitudeDegrees = 0;   // north positive
    double LongitudeDegrees = 0;  // east positive
    unsigned Population = 0;
};

class Atlas {
  public:
    // The one atlas of the process, read from the town database on first
    // use (some tens of milliseconds) and kept; safe to call from any thread.
    static const Atlas& Shared();

    // The best matches for a place text, best first, at most `limit`.
    // "Brest" finds every Brest; "Brest, France", "Brest, FR", "Portland,
    // Oregon" and "Portland, Maine, US" narrow by country name, country code
    // or state, each part after a comma narrowing further. Within a name
    // match, exact beats a start of the name, which beats a start of any word
    // of it; then the larger town comes first. Accents and case do not
    // matter. An empty text finds nothing.
    std::vector<City> Find(const QString& placeText, int limit = 10) const;

    int Size() const { return static_cast<int>(entries_.size()); }

    // Find keeps its answers for texts asked before; this drops them, so that
    // a measurement sees the search itself.
    void ForgetAnswers() const;

  private:
    Atlas();

    struct Entry {
        City city;
        std::string name;     // folded for search
        std::string state;    // folded
        std::string country;  // folded
        std::string code;     // folded country code
    };
    std::vector<Entry> entries_;

    // Answers already given: a batch names the same towns row after row,
    // and each search reads the whole atlas.
    std::vector<City> Search(const QString& placeText, int limit) const;
    mutable std::mutex answersMutex_;
    mutable std::unordered_map<std::string, std::vector<City>> answers_;
};

}  // namespace zkc::places
