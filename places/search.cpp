// SPDX-License-Identifier: GPL-3.0-or-later
// The search over the mapped index. A search folds the typed words, then tries
// the longest leading run of them first: one binary search over the sorted keys
// finds the places whose name is that run, another those with the run as whole
// words inside a longer name. The words after the run are compared with each
// candidate's division and country words (scoring.cpp). A run whose candidates
// all disagree with those words is remembered and a shorter run tried; when none
// agrees the search refuses instead of guessing. When no run names anything, the
// near misses are offered (near_misses.cpp).
#include <QString>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "places/fold.h"
#include "places/index_view.h"

namespace velnora::places {

namespace {

constexpr std::size_t kMostNameMatches = 20000;  // records read for one run
constexpr std::size_t kMostWordMatches = 4000;

QString TitleCase(std::string_view folded) {
    QString r = QString::fromUtf8(folded.data(), static_cast<qsizetype>(folded.size()));
    for (qsizetype i = 0; i < r.size(); ++i) {
        if (i == 0 || r[i - 1] == u' ') r[i] = r[i].toUpper();
    }
    return r;
}

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// One leading run of words with the places it names, best first, and the words
// after it that can name a division or country.
struct Reading {
    std::size_t run = 0;
    std::vector<Candidate> found;
    std::vector<TypedWord> rest;
};

// The typed words the best place of a reading explains.
std::size_t Explains(const Reading& r) {
    return r.run + static_cast<std::size_t>(r.found.front().score);
}

// The place explaining the most typed words (the run's own and the division and
// country words the place has); a whole name goes before a run found inside a
// longer name ("Deyang" before "Mianzhu, Deyang, Sichuan"), then a place's own
// name before another ("Washington" and the code "DC" before the other name
// "Washington DC"), then the longer run.
bool Better(const Reading& a, const Reading& b) {
    if (Explains(a) != Explains(b)) return Explains(a) > Explains(b);
    if (a.found.front().match != b.found.front().match)
        return a.found.front().match > b.found.front().match;
    if (a.found.front().ownName != b.found.front().ownName) return a.found.front().ownName;
    return a.run > b.run;
}

struct Readings {
    std::optional<Reading> best;
    // The longest run whose places are all ruled out by a word typed after it.
    std::optional<Reading> contradicted;
};

// The places the first `k` words name, as words of a name and, for more than
// one word, written as one ("Higashi Hiroshima" for "Higashihiroshima").
std::vector<Candidate> Named(const Gazetteer::Data& d, const std::vector<TypedWord>& words,
                             std::size_t k) {
    std::vector<Candidate> found = d.Collect(Joined(words, k), true);
    if (k > 1) {
        for (const Candidate& c : d.Collect(Joined(words, k, ""), false)) {
            if (std::none_of(found.begin(), found.end(),
                             [&](const Candidate& f) { return f.place == c.place; }))
                found.push_back(c);
        }
    }
    return found;
}

// Each leading run of words, longest first, with the best of the places it names.
Readings Read(const Gazetteer::Data& d, const Typed& typed) {
    Readings r;
    const std::size_t regionWords = RegionWords(typed, 0).size();
    for (std::size_t k = typed.cityWords; k > 0; --k) {
        std::vector<Candidate> found = Named(d, typed.words, k);
        if (found.empty()) continue;
        Reading reading{k, std::move(found), RegionWords(typed, k)};
        d.Score(reading.found, reading.rest, typed.fields);
        Rank(reading.found, d.places);
        const Candidate& first = reading.found.front();
        if (!first.contradicted && (reading.rest.empty() || first.score > 0)) {
            if (!r.best || Better(reading, *r.best)) r.best = std::move(reading);
            // Nothing shorter can explain more than every word, nor by a better name.
            const Candidate& best = r.best->found.front();
            if (best.match == NameMatch::Whole && best.ownName && Explains(*r.best) >= regionWords)
                break;
        } else if (!r.contradicted && first.contradicted) {
            r.contradicted = std::move(reading);
        }
    }
    return r;
}

void Take(const Gazetteer::Data& d, const std::vector<Candidate>& found, int max,
          SearchResult& result) {
    for (std::size_t i = 0; i < std::min(static_cast<std::size_t>(max), found.size()); ++i) {
        result.places.append(d.ToPlace(found[i]));
    }
}

// A country's name alone ("India") names the country: only a place of that name
// in it (Singapore, Luxembourg) is taken for it.
SearchResult CountryName(const Gazetteer::Data& d, const std::vector<TypedWord>& words,
                         const std::string& all, int max) {
    SearchResult result;
    std::vector<Candidate> found = d.Collect(all, false);
    std::vector<TypedWord> country = words;
    for (TypedWord& w : country) w.mayBeCountryCode = true;
    d.Score(found, country);
    std::erase_if(found,
                  [&](const Candidate& c) { return c.score < static_cast<int>(words.size()); });
    Rank(found, d.places);
    if (!found.empty()) {
        result.outcome = SearchOutcome::Found;
        result.name = QString::fromStdString(all);
        Take(d, found, max, result);
    }
    return result;
}

SearchResult FromBest(const Gazetteer::Data& d, const Typed& typed, const Reading& best, int max) {
    const std::vector<TypedWord>& words = typed.words;
    SearchResult result;
    if (typed.fields && best.run < typed.cityWords) {
        // Words of the city typed are left over: never a place taken silently.
        result.outcome = SearchOutcome::Partial;
        result.name = QString::fromStdString(Joined(words, typed.cityWords));
        Take(d, best.found, max, result);
        return result;
    }
    const std::vector<Candidate>& found = best.found;
    const Candidate& first = found.front();
    // A division's largest place is found by the division's own name.
    const bool own = first.ownName || (d.places[first.place].flags & index::kStandsForDivision);
    const NamedBy namedBy = first.match == NameMatch::Words ? NamedBy::PartOfName
                            : own                           ? NamedBy::OwnName
                                                            : NamedBy::OtherName;
    if (typed.fields && namedBy != NamedBy::OwnName) {
        // With commas the city is typed as a name: another place's other name,
        // or words of a longer name, are no place taken ("Glenville, New York"
        // is not Glens Falls).
        result.outcome = SearchOutcome::NotItsName;
        result.name = QString::fromStdString(Joined(words, best.run));
        Take(d, found, max, result);
        return result;
    }
    const auto same = [&](const Candidate& c) {
        return !c.contradicted && c.score == found.front().score && c.match == found.front().match;
    };
    const auto equal = std::find_if_not(found.begin(), found.end(), same) - found.begin();
    result.outcome = equal > 1 ? SearchOutcome::Ambiguous : SearchOutcome::Found;
    result.namedBy = namedBy;
    result.equallyGood = static_cast<int>(std::min<qsizetype>(equal, max));
    result.name = QString::fromStdString(Joined(words, best.run));
    const uint32_t every = best.rest.size() >= 32 ? ~0u : (1u << best.rest.size()) - 1;
    result.passedOver = Texts(best.rest, every & ~found.front().explained);
    Take(d, found, max, result);
    return result;
}

}  // namespace

std::vector<Candidate> Gazetteer::Data::Collect(const std::string& run, bool insideNames) const {
    std::unordered_map<uint32_t, std::size_t> seen;
    std::vector<Candidate> found;
    const auto add = [&](const index::KeyRecord& k, NameMatch match) {
        const uint32_t place = PlaceOf(k);
        if (place >= places.size()) return;
        // A division's largest place only for the division's whole name.
        if (match != NameMatch::Whole && (places[place].flags & index::kStandsForDivision)) return;
        const uint32_t whole = k.key - NameStart(k);
        const bool own = match == NameMatch::Whole && OwnName(k);
        const auto [it, inserted] = seen.try_emplace(place, found.size());
        if (inserted) {
            found.push_back({.place = place, .key = whole, .match = match, .ownName = own});
        } else if (Candidate& c = found[it->second]; match > c.match || (match == c.match && own)) {
            c.match = match;
            c.key = whole;
            c.ownName = c.ownName || own;
        }
    };
    std::size_t i = LowerBound(run);
    for (std::size_t n = 0; i < keys.size() && n < kMostNameMatches && KeyText(keys[i]) == run;
         ++i, ++n) {
        const bool whole = NameStart(keys[i]) == 0;
        if (whole || insideNames) add(keys[i], whole ? NameMatch::Whole : NameMatch::Words);
    }
    if (!insideNames) return found;
    const std::string lead = run + ' ';
    i = LowerBound(lead);
    for (std::size_t n = 0;
         i < keys.size() && n < kMostWordMatches && KeyText(keys[i]).starts_with(lead); ++i, ++n) {
        add(keys[i], NameMatch::Words);
    }
    return found;
}

Place Gazetteer::Data::ToPlace(const Candidate& c) const {
    const index::PlaceRecord& r = places[c.place];
    Place p;
    p.city = Text(Str(r.name));
    if (r.division < divisions.size()) p.state = Text(Str(divisions[r.division].name));
    if (r.division2 < divisions.size()) p.district = Text(Str(divisions[r.division2].name));
    if (r.country < countries.size()) {
        p.country = Text(Str(countries[r.country].name));
        p.countryCode = Text(Str(countries[r.country].code));
    }
    if (r.zone < zones.size()) {
        const QString zone = Text(Str(zones[r.zone]));
        if (IsKnownZoneId(zone)) p.timeZoneId = zone;
    }
    p.latitude = r.latitude;
    p.longitude = r.longitude;
    p.population = r.population;
    if (r.flags & index::kStandsForDivision) {
        p.standsFor = p.district;
        return p;
    }
    const std::string_view key = Str(c.key);
    if (Fold(p.city).toUtf8() != QByteArrayView(key.data(), static_cast<qsizetype>(key.size()))) {
        p.typedName = TitleCase(key);
    }
    return p;
}

SearchResult Gazetteer::Search(const QString& searchText, int max) const {
    SearchResult result;
    if (!Refresh()) return result;
    const Typed typed = Parse(searchText);
    if (typed.words.empty() || max <= 0) return result;
    const std::string all = Joined(typed.words, typed.words.size());
    if (!typed.fields && d_->IsCountry(all)) return CountryName(*d_, typed.words, all, max);

    const Readings readings = Read(*d_, typed);
    if (readings.best) return FromBest(*d_, typed, *readings.best, max);
    if (const auto& contradicted = readings.contradicted) {
        result.outcome = SearchOutcome::Contradicted;
        result.name = QString::fromStdString(Joined(typed.words, contradicted->run));
        result.against = Texts(contradicted->rest, contradicted->found.front().against);
        Take(*d_, contradicted->found, max, result);
        return result;
    }
    if (d_->IsCountry(all)) return result;  // no "Indio" for "India"
    const std::vector<Candidate> near = d_->NearMisses(typed);
    if (!near.empty()) {
        result.outcome = SearchOutcome::NearMiss;
        Take(*d_, near, max, result);
    }
    return result;
}

}  // namespace velnora::places
