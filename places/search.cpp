// SPDX-License-Identifier: GPL-3.0-or-later
// The search over the mapped index. A search folds the typed words, then tries
// the longest leading run of them first: one binary search over the sorted keys
// finds the places whose name is that run, another those with the run as whole
// words inside a longer name. The words after the run are compared with each
// candidate's division and country words. A run whose candidates all disagree
// with those words is remembered and a shorter run tried; when none agrees the
// search refuses instead of guessing. When no run names anything, the near
// misses are offered.
#include <QString>
#include <algorithm>
#include <bit>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "places/fold.h"
#include "places/index_view.h"

namespace velnora::places {

namespace {

constexpr std::size_t kMostWords = 16;           // words of a search text that count
constexpr std::size_t kMostNameMatches = 20000;  // records read for one run
constexpr std::size_t kMostWordMatches = 4000;

bool IsFiller(std::string_view w) { return w == "of" || w == "the" || w == "and"; }

// Words of division names that do not tell one division from another.
bool IsGeneric(std::string_view w) {
    static constexpr std::string_view kGeneric[] = {
        "province",  "state",      "region",      "district", "county",      "department",
        "territory", "prefecture", "governorate", "oblast",   "municipality"};
    return std::find(std::begin(kGeneric), std::end(kGeneric), w) != std::end(kGeneric);
}

QString TitleCase(std::string_view folded) {
    QString r = QString::fromUtf8(folded.data(), static_cast<qsizetype>(folded.size()));
    for (qsizetype i = 0; i < r.size(); ++i) {
        if (i == 0 || r[i - 1] == u' ') r[i] = r[i].toUpper();
    }
    return r;
}

// The first `count` words joined by blanks.
std::string Joined(const std::vector<std::string>& words, std::size_t count) {
    std::string r = words[0];
    for (std::size_t i = 1; i < count; ++i) r += ' ' + words[i];
    return r;
}

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A place found by its own name outweighs one found by an alternate name unless
// that one is a hundred times larger: "New Delhi" is New Delhi, not Delhi, whose
// other names include it; "Bombay" is still Mumbai, not the village of that name.
constexpr uint64_t kOwnNameWeight = 100;

}  // namespace

// Whether the blank-separated `words` hold `word` as one of them.
bool HasWord(std::string_view words, std::string_view word) {
    for (std::size_t at = words.find(word); at != std::string_view::npos;
         at = words.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || words[at - 1] == ' ') && (end == words.size() || words[end] == ' '))
            return true;
    }
    return false;
}

std::vector<std::string> RegionWords(const std::vector<std::string>& words, std::size_t from) {
    std::vector<std::string> rest;
    for (std::size_t i = from; i < words.size(); ++i) {
        if (!IsFiller(words[i]) && !IsGeneric(words[i])) rest.push_back(words[i]);
    }
    return rest;
}

void Rank(std::vector<Candidate>& found, std::span<const index::PlaceRecord> places) {
    std::sort(found.begin(), found.end(), [&](const Candidate& a, const Candidate& b) {
        if (a.contradicted != b.contradicted) return b.contradicted;
        if (a.score != b.score) return a.score > b.score;
        if (a.distance != b.distance) return a.distance < b.distance;
        if (a.match != b.match) return a.match > b.match;
        const auto weight = [&](const Candidate& c) {
            return uint64_t{places[c.place].population} * (c.ownName ? kOwnNameWeight : 1);
        };
        if (weight(a) != weight(b)) return weight(a) > weight(b);
        return a.place < b.place;
    });
}

std::vector<Candidate> Gazetteer::Data::Collect(const std::string& run, bool insideNames) const {
    std::unordered_map<uint32_t, std::size_t> seen;
    std::vector<Candidate> found;
    const auto add = [&](const index::KeyRecord& k, NameMatch match) {
        const uint32_t place = PlaceOf(k);
        if (place >= places.size()) return;
        const uint32_t whole = k.key - NameStart(k);
        const bool own = match == NameMatch::Whole && OwnName(k);
        const auto [it, inserted] = seen.try_emplace(place, found.size());
        if (inserted) {
            found.push_back({place, whole, match, 0, 0, own});
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

void Gazetteer::Data::Score(std::vector<Candidate>& found,
                            const std::vector<std::string>& rest) const {
    if (rest.empty()) return;
    const auto mask = [&](std::string_view words) {
        uint32_t m = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if (HasWord(words, rest[i])) m |= 1u << i;
        }
        return m;
    };
    // The typed words that name a division or a country; one the place lacks
    // contradicts it, a word that names nothing (a typo) does not. Division codes
    // of two or three letters stand for different divisions in different countries
    // ("WA" is Washington and Western Australia), so they only ever count for a place.
    uint32_t naming = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const auto names = [&](const auto& r) { return HasWord(Str(r.words), rest[i]); };
        if ((rest[i].size() > 3 && std::any_of(divisions.begin(), divisions.end(), names)) ||
            std::any_of(countries.begin(), countries.end(), names))
            naming |= 1u << i;
    }
    std::vector<int64_t> divisionMasks(divisions.size(), -1), countryMasks(countries.size(), -1);
    for (Candidate& c : found) {
        const index::PlaceRecord& p = places[c.place];
        uint32_t m = 0;
        if (p.division < divisions.size()) {
            int64_t& known = divisionMasks[p.division];
            if (known < 0) known = mask(Str(divisions[p.division].words));
            m |= static_cast<uint32_t>(known);
        }
        if (p.country < countries.size()) {
            int64_t& known = countryMasks[p.country];
            if (known < 0) known = mask(Str(countries[p.country].words));
            m |= static_cast<uint32_t>(known);
        }
        c.score = std::popcount(m);
        c.contradicted = (naming & ~m) != 0;
    }
}

bool Gazetteer::Data::IsCountry(const std::string& text) const {
    return std::any_of(countries.begin(), countries.end(), [&](const index::CountryRecord& c) {
        const std::string_view words = Str(c.words);
        std::size_t start = 0;
        for (std::size_t end; start <= text.size(); start = end + 1) {
            end = std::min(text.find(' ', start), text.size());
            if (!HasWord(words, std::string_view(text).substr(start, end - start))) return false;
        }
        return true;
    });
}

Place Gazetteer::Data::ToPlace(const Candidate& c) const {
    const index::PlaceRecord& r = places[c.place];
    Place p;
    p.city = Text(Str(r.name));
    if (r.division < divisions.size()) p.state = Text(Str(divisions[r.division].name));
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
    const std::string_view key = Str(c.key);
    if (Fold(p.city).toUtf8() != QByteArrayView(key.data(), static_cast<qsizetype>(key.size()))) {
        p.typedName = TitleCase(key);
    }
    return p;
}

SearchResult Gazetteer::Search(const QString& searchText, int max) const {
    SearchResult result;
    if (!Refresh()) return result;
    std::vector<std::string> words;
    for (const QString& w :
         Fold(StripCoordinateSuffix(searchText)).split(u' ', Qt::SkipEmptyParts)) {
        if (words.size() < kMostWords) words.push_back(w.toStdString());
    }
    if (words.empty() || max <= 0) return result;

    const auto take = [&](const std::vector<Candidate>& found, std::size_t count) {
        for (std::size_t i = 0; i < std::min<std::size_t>(count, found.size()); ++i) {
            result.places.append(d_->ToPlace(found[i]));
        }
    };
    std::vector<Candidate> contradicted;
    for (std::size_t k = words.size(); k > 0; --k) {
        const std::string run = Joined(words, k);
        std::vector<Candidate> found;
        if (k == words.size() && d_->IsCountry(run)) {
            // A country's name alone ("India") names the country: only a place of
            // that name in it (Singapore, Luxembourg) is taken for it.
            found = d_->Collect(run, false);
            d_->Score(found, words);
            std::erase_if(found, [&](const Candidate& c) {
                return c.score < static_cast<int>(words.size());
            });
        } else {
            found = d_->Collect(run, true);
        }
        if (found.empty()) continue;
        const std::vector<std::string> rest = RegionWords(words, k);
        d_->Score(found, rest);
        Rank(found, d_->places);
        if (rest.empty() || (found.front().score > 0 && !found.front().contradicted)) {
            const auto same = [&](const Candidate& c) {
                return !c.contradicted && c.score == found.front().score &&
                       c.match == found.front().match;
            };
            const auto equal = std::find_if_not(found.begin(), found.end(), same) - found.begin();
            result.outcome = equal > 1 ? SearchOutcome::Ambiguous : SearchOutcome::Found;
            result.equallyGood = static_cast<int>(std::min<qsizetype>(equal, max));
            take(found, static_cast<std::size_t>(max));
            return result;
        }
        if (contradicted.empty()) contradicted = std::move(found);
    }
    if (!contradicted.empty()) {
        result.outcome = SearchOutcome::Contradicted;
        take(contradicted, static_cast<std::size_t>(max));
        return result;
    }
    if (d_->IsCountry(Joined(words, words.size()))) return result;  // no "Indio" for "India"
    const std::vector<Candidate> near = d_->NearMisses(words);
    if (!near.empty()) {
        result.outcome = SearchOutcome::NearMiss;
        take(near, static_cast<std::size_t>(max));
    }
    return result;
}

QString NameAsFound(const Place& place) {
    return place.typedName.isEmpty() ? place.city
                                     : place.typedName + QStringLiteral(" (") + place.city + u')';
}

QString DescribePlace(const Place& place) {
    QString r = NameAsFound(place);
    if (!place.state.isEmpty()) r += QStringLiteral(", ") + place.state;
    if (!place.country.isEmpty()) r += QStringLiteral(", ") + place.country;
    return r;
}

QString StripCoordinateSuffix(const QString& searchText) {
    static const QString kSuffix = QStringLiteral(" Latitude Longitude");
    if (searchText.endsWith(kSuffix, Qt::CaseInsensitive))
        return searchText.chopped(kSuffix.size());
    return searchText;
}

}  // namespace velnora::places
