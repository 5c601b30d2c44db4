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
#include <optional>
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

// Articles and prepositions of place names ("La Habana", "Al Qāhirah",
// "Ciudad de México"): after the name they say nothing, unless they stand last,
// where "DE" or "AL" may be a code.
bool IsArticle(std::string_view w) {
    static constexpr std::string_view kArticles[] = {"al",  "de", "del", "der", "des", "di",
                                                     "du",  "el", "la",  "las", "le",  "les",
                                                     "los", "da", "do",  "dos", "das", "den"};
    return std::find(std::begin(kArticles), std::end(kArticles), w) != std::end(kArticles);
}

// Words of division names that do not tell one division from another.
bool IsGeneric(std::string_view w) {
    static constexpr std::string_view kGeneric[] = {
        "province",  "state",      "region",      "district",    "county",       "department",
        "territory", "prefecture", "governorate", "oblast",      "municipality", "city",
        "borough",   "parish",     "area",        "metropolitan"};
    return std::find(std::begin(kGeneric), std::end(kGeneric), w) != std::end(kGeneric);
}

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
        const auto apart = [](char c) { return c == ' ' || c == '|'; };
        if ((at == 0 || apart(words[at - 1])) && (end == words.size() || apart(words[end])))
            return true;
    }
    return false;
}

std::vector<TypedWord> RegionWords(const Typed& typed, std::size_t from) {
    std::vector<TypedWord> rest;
    for (std::size_t i = from; i < typed.words.size(); ++i) {
        const std::string& w = typed.words[i].text;
        if (!IsFiller(w) && !IsGeneric(w) && (typed.words[i].mayBeCountryCode || !IsArticle(w)))
            rest.push_back(typed.words[i]);
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
            const index::PlaceRecord& p = places[c.place];
            return uint64_t{index::Standing(p.population, p.seat)} *
                   (c.ownName ? kOwnNameWeight : 1);
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

void Gazetteer::Data::Score(std::vector<Candidate>& found, const std::vector<TypedWord>& rest,
                            bool fields) const {
    if (rest.empty()) return;
    const auto mask = [&](std::string_view words, bool country) {
        uint32_t m = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const TypedWord& w = rest[i];
            if ((!country || w.text.size() > 3 || w.mayBeCountryCode) && HasWord(words, w.text))
                m |= 1u << i;
        }
        return m;
    };
    // The typed words that name a country, and the typed fields that are a
    // country's name.
    uint32_t countryNaming = 0;
    for (const index::CountryRecord& c : countries) countryNaming |= mask(Str(c.words), true);
    std::vector<uint32_t> fieldBits;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (fieldBits.empty() || rest[i].field != rest[i - 1].field) fieldBits.push_back(0);
        fieldBits.back() |= 1u << i;
    }
    const auto fieldText = [&](uint32_t bits) {
        std::string r;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if (bits & (1u << i)) r += (r.empty() ? "" : " ") + rest[i].text;
        }
        return r;
    };
    uint32_t countryFields = 0;
    if (fields) {
        for (const uint32_t bits : fieldBits) {
            if (IsCountry(fieldText(bits))) countryFields |= bits;
        }
    }
    // Which typed words name a division of a country, by country. A word or
    // field that names a division contradicts only the places of that
    // division's country: "Hampshire" says nothing against a Hythe in England.
    // Without commas a word of more than three letters counts; with them a
    // field whose words all lie in one division's name.
    std::vector<int64_t> naming(countries.size(), -1);
    const auto ownNaming = [&](uint16_t country) -> uint32_t {
        int64_t& known = naming[country];
        if (known >= 0) return static_cast<uint32_t>(known);
        const std::string_view all = Str(countries[country].divisions);
        uint32_t m = 0;
        if (!fields) {
            for (std::size_t i = 0; i < rest.size(); ++i) {
                if (rest[i].text.size() > 3 && HasWord(all, rest[i].text)) m |= 1u << i;
            }
        } else {
            for (const uint32_t bits : fieldBits) {
                // The field's telling words, and whether a division's name or
                // code has exactly those: "Leeds" names "City and Borough of
                // Leeds", "La Habana" does not name "La Habana Vieja".
                std::vector<std::string_view> typedWords;
                for (std::size_t i = 0; i < rest.size(); ++i) {
                    if (bits & (1u << i)) typedWords.push_back(rest[i].text);
                }
                for (std::size_t start = 0, end; start < all.size() && !(m & bits);
                     start = end + 1) {
                    end = std::min(all.find('|', start), all.size());
                    const std::string_view one = all.substr(start, end - start);
                    std::size_t telling = 0;
                    for (std::size_t a = 0, b; a <= one.size(); a = b + 1) {
                        b = std::min(one.find(' ', a), one.size());
                        const std::string_view w = one.substr(a, b - a);
                        if (!w.empty() && !IsFiller(w) && !IsGeneric(w) && !IsArticle(w)) ++telling;
                    }
                    if (telling == typedWords.size() &&
                        std::all_of(typedWords.begin(), typedWords.end(),
                                    [&](std::string_view w) { return HasWord(one, w); }))
                        m |= bits;
                }
            }
        }
        known = m;
        return m;
    };
    std::vector<int64_t> divisionMasks(divisions.size(), -1), countryMasks(countries.size(), -1);
    const auto division = [&](uint16_t d) -> uint32_t {
        if (d >= divisions.size()) return 0;
        int64_t& known = divisionMasks[d];
        if (known < 0) known = mask(Str(divisions[d].words), false);
        return static_cast<uint32_t>(known);
    };
    for (Candidate& c : found) {
        const index::PlaceRecord& p = places[c.place];
        const uint32_t own = division(p.division) | division(p.division2);
        uint32_t m = own;
        uint32_t against = 0;
        if (p.country < countries.size()) {
            int64_t& known = countryMasks[p.country];
            if (known < 0) known = mask(Str(countries[p.country].words), true);
            const uint32_t country = static_cast<uint32_t>(known);
            m |= country;
            if (fields) {
                // A field naming a division of its country that is not its own, or
                // naming another country.
                const uint32_t named = ownNaming(p.country);
                for (const uint32_t bits : fieldBits) {
                    if ((named & bits) && (bits & ~(own | country))) against |= bits;
                    if ((countryFields & bits) && (bits & ~country) && (bits & ~own))
                        against |= bits;  // "IL" is Israel, and Illinois
                }
            } else {
                against = (countryNaming | ownNaming(p.country)) & ~m;
            }
        }
        c.explained = m;
        c.score = std::popcount(m);
        c.against = against;
        c.contradicted = against != 0;
    }
}

bool Gazetteer::Data::IsCountry(const std::string& text) const {
    return std::any_of(countries.begin(), countries.end(), [&](const index::CountryRecord& c) {
        const std::string_view forms = Str(c.forms);
        for (std::size_t start = 0, end; start <= forms.size(); start = end + 1) {
            end = std::min(forms.find('|', start), forms.size());
            if (forms.substr(start, end - start) == text) return true;
        }
        return false;
    });
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

namespace {

// The search text as words: with commas, the first field is the city and the
// last the country.
Typed Parse(const QString& searchText) {
    Typed typed;
    const QStringList fields = StripCoordinateSuffix(searchText).split(u',');
    QList<QStringList> folded;
    for (const QString& field : fields) {
        QStringList words = Fold(field).split(u' ', Qt::SkipEmptyParts);
        if (!words.isEmpty()) folded.append(words);
    }
    typed.fields = folded.size() > 1;
    for (qsizetype f = 0; f < folded.size(); ++f) {
        const bool last = f == folded.size() - 1;
        for (qsizetype i = 0; i < folded[f].size(); ++i) {
            if (typed.words.size() == kMostWords) break;
            const bool lastWord = last && i == folded[f].size() - 1;
            const bool wholeField = folded[f].size() == 1;
            typed.words.push_back({folded[f][i].toStdString(),
                                   typed.fields ? last && f > 0 && wholeField : lastWord,
                                   static_cast<std::size_t>(f)});
        }
        if (f == 0) typed.cityWords = typed.words.size();
    }
    if (!typed.fields) typed.cityWords = typed.words.size();
    return typed;
}

std::string Joined(const std::vector<TypedWord>& words, std::size_t count,
                   std::string_view between = " ") {
    std::string r = words[0].text;
    for (std::size_t i = 1; i < count; ++i) r += std::string(between) + words[i].text;
    return r;
}

QStringList Texts(const std::vector<TypedWord>& words, uint32_t bits) {
    QStringList r;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (bits & (1u << i)) r << QString::fromStdString(words[i].text);
    }
    return r;
}

}  // namespace

SearchResult Gazetteer::Search(const QString& searchText, int max) const {
    SearchResult result;
    if (!Refresh()) return result;
    const Typed typed = Parse(searchText);
    if (typed.words.empty() || max <= 0) return result;
    const std::vector<TypedWord>& words = typed.words;

    const auto take = [&](const std::vector<Candidate>& found, std::size_t count) {
        for (std::size_t i = 0; i < std::min<std::size_t>(count, found.size()); ++i) {
            result.places.append(d_->ToPlace(found[i]));
        }
    };
    const std::string all = Joined(words, words.size());
    if (!typed.fields && d_->IsCountry(all)) {
        // A country's name alone ("India") names the country: only a place of
        // that name in it (Singapore, Luxembourg) is taken for it.
        std::vector<Candidate> found = d_->Collect(all, false);
        std::vector<TypedWord> country = words;
        for (TypedWord& w : country) w.mayBeCountryCode = true;
        d_->Score(found, country);
        std::erase_if(found,
                      [&](const Candidate& c) { return c.score < static_cast<int>(words.size()); });
        Rank(found, d_->places);
        if (!found.empty()) {
            result.outcome = SearchOutcome::Found;
            result.name = QString::fromStdString(all);
            take(found, static_cast<std::size_t>(max));
        }
        return result;
    }

    // Each leading run of words, longest first, with the best of the places it
    // names. A run is taken when its place explains the most typed words (the
    // run's own and the division and country words the place has); a whole name
    // goes before a run found inside a longer name ("Deyang" before "Mianzhu,
    // Deyang, Sichuan"), then the longer run.
    struct Reading {
        std::size_t run = 0;
        std::vector<Candidate> found;
        std::vector<TypedWord> rest;
    };
    std::optional<Reading> best, contradicted;
    const auto explains = [](const Reading& r) {
        return r.run + static_cast<std::size_t>(r.found.front().score);
    };
    const auto better = [&](const Reading& a, const Reading& b) {
        if (explains(a) != explains(b)) return explains(a) > explains(b);
        if (a.found.front().match != b.found.front().match)
            return a.found.front().match > b.found.front().match;
        return a.run > b.run;
    };
    std::size_t regionWords = RegionWords(typed, 0).size();
    for (std::size_t k = typed.cityWords; k > 0; --k) {
        const std::string run = Joined(words, k);
        std::vector<Candidate> found = d_->Collect(run, true);
        if (k > 1) {  // "Higashi Hiroshima" for "Higashihiroshima"
            for (const Candidate& c : d_->Collect(Joined(words, k, ""), false)) {
                if (std::none_of(found.begin(), found.end(),
                                 [&](const Candidate& f) { return f.place == c.place; }))
                    found.push_back(c);
            }
        }
        if (found.empty()) continue;
        Reading r{k, std::move(found), RegionWords(typed, k)};
        d_->Score(r.found, r.rest, typed.fields);
        Rank(r.found, d_->places);
        const Candidate& first = r.found.front();
        if (!first.contradicted && (r.rest.empty() || first.score > 0)) {
            if (!best || better(r, *best)) best = std::move(r);
            // Nothing shorter can explain more than every word.
            if (best->found.front().match == NameMatch::Whole && explains(*best) >= regionWords)
                break;
        } else if (!contradicted && first.contradicted) {
            // Every place of that name is ruled out by a word typed after it.
            contradicted = std::move(r);
        }
    }
    if (best && typed.fields && best->run < typed.cityWords) {
        // Words of the city typed are left over: never a place taken silently.
        result.outcome = SearchOutcome::Partial;
        result.name = QString::fromStdString(Joined(words, typed.cityWords));
        take(best->found, static_cast<std::size_t>(max));
        return result;
    }
    if (best) {
        const std::vector<Candidate>& found = best->found;
        const auto same = [&](const Candidate& c) {
            return !c.contradicted && c.score == found.front().score &&
                   c.match == found.front().match;
        };
        const auto equal = std::find_if_not(found.begin(), found.end(), same) - found.begin();
        result.outcome = equal > 1 ? SearchOutcome::Ambiguous : SearchOutcome::Found;
        result.equallyGood = static_cast<int>(std::min<qsizetype>(equal, max));
        result.name = QString::fromStdString(Joined(words, best->run));
        const uint32_t every = best->rest.size() >= 32 ? ~0u : (1u << best->rest.size()) - 1;
        result.passedOver = Texts(best->rest, every & ~found.front().explained);
        take(found, static_cast<std::size_t>(max));
        return result;
    }
    if (contradicted) {
        result.outcome = SearchOutcome::Contradicted;
        result.name = QString::fromStdString(Joined(words, contradicted->run));
        result.against = Texts(contradicted->rest, contradicted->found.front().against);
        take(contradicted->found, static_cast<std::size_t>(max));
        return result;
    }
    if (d_->IsCountry(all)) return result;  // no "Indio" for "India"
    const std::vector<Candidate> near = d_->NearMisses(typed);
    if (!near.empty()) {
        result.outcome = SearchOutcome::NearMiss;
        take(near, static_cast<std::size_t>(max));
    }
    return result;
}

QString NameAsFound(const Place& place) {
    if (!place.standsFor.isEmpty())
        return place.standsFor + QStringLiteral(": the district's largest place, ") + place.city;
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
