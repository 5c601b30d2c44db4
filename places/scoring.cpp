// SPDX-License-Identifier: GPL-3.0-or-later
// How well each place a run of typed words names fits the words typed after
// the run: which of them its division and country names have, and which name
// another division of its country or another country and so rule it out.
#include <algorithm>
#include <bit>
#include <string>
#include <string_view>
#include <vector>

#include "places/index_view.h"

namespace velnora::places {

namespace {

// A place found by its own name outweighs one found by an alternate name unless
// that one is a hundred times larger: "New Delhi" is New Delhi, not Delhi, whose
// other names include it; "Bombay" is still Mumbai, not the village of that name.
// A neighbourhood's own name counts for no more than another place's other name.
constexpr uint64_t kOwnNameWeight = 100;

// Scores candidates against the typed words after the run, each division's and
// country's words compared once.
class Scorer {
public:
    Scorer(const Gazetteer::Data& data, const std::vector<TypedWord>& rest, bool fields);
    void Score(Candidate& c);

private:
    uint32_t Mask(std::string_view words, bool country) const;
    std::string FieldText(uint32_t bits) const;
    uint32_t OwnNaming(uint16_t country, bool secondLevel);
    uint32_t FieldsNaming(std::string_view all) const;
    uint32_t WholeNaming(std::string_view all) const;
    static bool Names(std::string_view division, const std::vector<std::string_view>& typedWords);
    uint32_t Division(uint16_t d);
    uint32_t Country(uint16_t c);

    const Gazetteer::Data& d_;
    const std::vector<TypedWord>& rest_;
    const bool fields_;
    // The typed words that name a country, and the typed fields that are a
    // country's name.
    uint32_t countryNaming_ = 0;
    uint32_t countryFields_ = 0;
    std::vector<uint32_t> fieldBits_;  // the words of each typed field
    // Known masks, -1 until worked out.
    std::vector<int64_t> naming_, naming2_, divisionMasks_, countryMasks_;
};

Scorer::Scorer(const Gazetteer::Data& data, const std::vector<TypedWord>& rest, bool fields)
    : d_(data),
      rest_(rest),
      fields_(fields),
      naming_(data.countries.size(), -1),
      naming2_(data.countries.size(), -1),
      divisionMasks_(data.divisions.size(), -1),
      countryMasks_(data.countries.size(), -1) {
    for (const index::CountryRecord& c : d_.countries)
        countryNaming_ |= Mask(d_.Str(c.words), true);
    for (std::size_t i = 0; i < rest_.size(); ++i) {
        if (fieldBits_.empty() || rest_[i].field != rest_[i - 1].field) fieldBits_.push_back(0);
        fieldBits_.back() |= 1u << i;
    }
    if (fields_) {
        for (const uint32_t bits : fieldBits_) {
            if (d_.IsCountry(FieldText(bits))) countryFields_ |= bits;
        }
    }
}

// The typed words that `words` holds; a country's words hold only words of
// more than three letters or ones that may be a country's code.
uint32_t Scorer::Mask(std::string_view words, bool country) const {
    uint32_t m = 0;
    for (std::size_t i = 0; i < rest_.size(); ++i) {
        const TypedWord& w = rest_[i];
        if ((!country || w.text.size() > 3 || w.mayBeCountryCode) && HasWord(words, w.text))
            m |= 1u << i;
    }
    return m;
}

std::string Scorer::FieldText(uint32_t bits) const {
    std::string r;
    for (std::size_t i = 0; i < rest_.size(); ++i) {
        if (bits & (1u << i)) r += (r.empty() ? "" : " ") + rest_[i].text;
    }
    return r;
}

// Which typed words name a division of `country` of the first level, or of the
// second. A word or field that names a division contradicts only the places of
// that division's country: "Hampshire" says nothing against a Hythe in England.
// Without commas the typed words that hold all of one division's telling words
// count ("papua" of "papua selatan" names Papua, "selatan" nothing); with them a
// field whose words are all of one division's name.
uint32_t Scorer::OwnNaming(uint16_t country, bool secondLevel) {
    int64_t& known = (secondLevel ? naming2_ : naming_)[country];
    if (known >= 0) return static_cast<uint32_t>(known);
    const index::CountryRecord& c = d_.countries[country];
    const std::string_view all = d_.Str(secondLevel ? c.divisions2 : c.divisions);
    const uint32_t m = fields_ ? FieldsNaming(all) : WholeNaming(all);
    known = m;
    return m;
}

// The typed words that hold all the telling words of one of the '|'-separated
// divisions in `all`. A name of one short word ("MA", "Goa") counts only as
// the last word typed, where a code stands.
uint32_t Scorer::WholeNaming(std::string_view all) const {
    // Most typed words are in no division's name: then none is read.
    if (std::none_of(rest_.begin(), rest_.end(),
                     [&](const TypedWord& w) { return HasWord(all, w.text); }))
        return 0;
    uint32_t m = 0;
    for (std::size_t start = 0, end; start < all.size(); start = end + 1) {
        end = std::min(all.find('|', start), all.size());
        const std::string_view one = all.substr(start, end - start);
        uint32_t bits = 0;
        std::size_t telling = 0;
        bool whole = true;
        for (std::size_t a = 0, b; whole && a <= one.size(); a = b + 1) {
            b = std::min(one.find(' ', a), one.size());
            const std::string_view w = one.substr(a, b - a);
            if (w.empty() || IsFiller(w) || IsGeneric(w) || IsArticle(w)) continue;
            ++telling;
            uint32_t typed = 0;
            for (std::size_t i = 0; i < rest_.size(); ++i) {
                if (rest_[i].text == w) typed |= 1u << i;
            }
            bits |= typed;
            whole = typed != 0;
        }
        if (!whole || telling == 0) continue;
        if (telling == 1 && one.size() <= 3) {
            const int i = std::bit_width(bits) - 1;  // the last typed word of the name
            if (!rest_[static_cast<std::size_t>(i)].mayBeCountryCode) continue;
        }
        m |= bits;
    }
    return m;
}

// The typed fields that name one of the '|'-separated divisions in `all`.
uint32_t Scorer::FieldsNaming(std::string_view all) const {
    uint32_t m = 0;
    for (const uint32_t bits : fieldBits_) {
        std::vector<std::string_view> typedWords;  // the field's
        for (std::size_t i = 0; i < rest_.size(); ++i) {
            if (bits & (1u << i)) typedWords.push_back(rest_[i].text);
        }
        for (std::size_t start = 0, end; start < all.size() && !(m & bits); start = end + 1) {
            end = std::min(all.find('|', start), all.size());
            if (Names(all.substr(start, end - start), typedWords)) m |= bits;
        }
    }
    return m;
}

// Whether a division's name or code has exactly the telling `typedWords` of a
// field: "Leeds" names "City and Borough of Leeds", "La Habana" does not name
// "La Habana Vieja".
bool Scorer::Names(std::string_view division, const std::vector<std::string_view>& typedWords) {
    std::size_t telling = 0;
    for (std::size_t a = 0, b; a <= division.size(); a = b + 1) {
        b = std::min(division.find(' ', a), division.size());
        const std::string_view w = division.substr(a, b - a);
        if (!w.empty() && !IsFiller(w) && !IsGeneric(w) && !IsArticle(w)) ++telling;
    }
    return telling == typedWords.size() &&
           std::all_of(typedWords.begin(), typedWords.end(),
                       [&](std::string_view w) { return HasWord(division, w); });
}

uint32_t Scorer::Division(uint16_t d) {
    if (d >= d_.divisions.size()) return 0;
    int64_t& known = divisionMasks_[d];
    if (known < 0) known = Mask(d_.Str(d_.divisions[d].words), false);
    return static_cast<uint32_t>(known);
}

// The typed words of `c`'s names, and all the words of a field (or without
// commas, of a run of words) that is one of its names whole, short ones
// included ("new" of "New Zealand", "sri" of "Sri Lanka").
uint32_t Scorer::Country(uint16_t c) {
    int64_t& known = countryMasks_[c];
    if (known < 0) {
        uint32_t m = Mask(d_.Str(d_.countries[c].words), true);
        if (fields_) {
            for (const uint32_t bits : fieldBits_) {
                if ((countryFields_ & bits) && d_.IsCountry(FieldText(bits), c)) m |= bits;
            }
        } else {
            constexpr std::size_t kLongestName = 5;  // words
            for (std::size_t i = 0; i < rest_.size(); ++i) {
                for (std::size_t n = 2; n <= kLongestName && i + n <= rest_.size(); ++n) {
                    const uint32_t bits = ((1u << n) - 1) << i;
                    if (d_.IsCountry(FieldText(bits), c)) m |= bits;
                }
            }
        }
        known = m;
    }
    return static_cast<uint32_t>(known);
}

void Scorer::Score(Candidate& c) {
    const index::PlaceRecord& p = d_.places[c.place];
    const uint32_t own = Division(p.division) | Division(p.division2);
    uint32_t m = own;
    uint32_t against = 0;
    if (p.country < d_.countries.size()) {
        const uint32_t country = Country(p.country);
        m |= country;
        if (fields_) {
            // A field naming a division of its country that is not its own, or
            // naming another country.
            // A place without a second-level division may lie in any of them.
            const uint32_t named =
                OwnNaming(p.country, false) |
                (p.division2 < d_.divisions.size() ? OwnNaming(p.country, true) : 0);
            for (const uint32_t bits : fieldBits_) {
                if ((named & bits) && (bits & ~(own | country))) against |= bits;
                if ((countryFields_ & bits) && (bits & ~country) && (bits & ~own))
                    against |= bits;  // "IL" is Israel, and Illinois
            }
        } else {
            const uint32_t named =
                OwnNaming(p.country, false) |
                (p.division2 < d_.divisions.size() ? OwnNaming(p.country, true) : 0);
            against = (countryNaming_ | named) & ~m;
        }
    }
    c.explained = m;
    c.score = std::popcount(m);
    c.against = against;
    c.contradicted = against != 0;
}

}  // namespace

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

void Gazetteer::Data::Score(std::vector<Candidate>& found, const std::vector<TypedWord>& rest,
                            bool fields) const {
    if (rest.empty()) return;
    Scorer scorer(*this, rest, fields);
    for (Candidate& c : found) scorer.Score(c);
}

bool Gazetteer::Data::IsCountry(const std::string& text) const {
    for (std::size_t c = 0; c < countries.size(); ++c) {
        if (IsCountry(text, static_cast<uint16_t>(c))) return true;
    }
    return false;
}

bool Gazetteer::Data::IsCountry(const std::string& text, uint16_t country) const {
    const std::string_view forms = Str(countries[country].forms);
    for (std::size_t start = 0, end; start <= forms.size(); start = end + 1) {
        end = std::min(forms.find('|', start), forms.size());
        if (forms.substr(start, end - start) == text) return true;
    }
    return false;
}

void Rank(std::vector<Candidate>& found, std::span<const index::PlaceRecord> places) {
    std::sort(found.begin(), found.end(), [&](const Candidate& a, const Candidate& b) {
        if (a.contradicted != b.contradicted) return b.contradicted;
        if (a.score != b.score) return a.score > b.score;
        if (a.distance != b.distance) return a.distance < b.distance;
        if (a.match != b.match) return a.match > b.match;
        const auto weight = [&](const Candidate& c) {
            const index::PlaceRecord& p = places[c.place];
            const bool own = c.ownName && !(p.flags & index::kNeighbourhood);
            return uint64_t{index::Standing(p.population, p.seat)} * (own ? kOwnNameWeight : 1);
        };
        if (weight(a) != weight(b)) return weight(a) > weight(b);
        return a.place < b.place;
    });
}

}  // namespace velnora::places
