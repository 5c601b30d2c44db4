// SPDX-License-Identifier: GPL-3.0-or-later
// The search text as the search reads it: folded words, the fields they were
// typed in, and which of them can name a division or a country.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velnora::places {

// A typed word, folded, with what its place in the text allows it to be.
struct TypedWord {
    std::string text;
    // Two or three letters standing for a country ("US", "UK") only as the
    // whole country field or the last word; never from inside a typed state.
    bool mayBeCountryCode = false;
    std::size_t field = 0;  // which comma-separated field it was typed in
};

// The search text as words. With commas the words before the first one are the
// city; without, any leading run of words may be.
struct Typed {
    std::vector<TypedWord> words;
    std::size_t cityWords = 0;  // the most leading words a name may take
    bool fields = false;        // commas were typed
};

// The search text as words, at most the first 16: with commas, the first field
// is the city and the last the country.
Typed Parse(const QString& searchText);

// Words that say nothing about a place: "of", "the", "and" (and "और", "आणि", "અને").
bool IsFiller(std::string_view w);
// Articles and prepositions of place names ("La Habana", "Al Qāhirah",
// "Ciudad de México"): after the name they say nothing, unless they stand last,
// where "DE" or "AL" may be a code.
bool IsArticle(std::string_view w);
// Words of division names that do not tell one division from another.
bool IsGeneric(std::string_view w);

// The typed words from `from` on that can name a division or a country.
std::vector<TypedWord> RegionWords(const Typed& typed, std::size_t from);

// The first `count` words' texts joined by `between`.
std::string Joined(const std::vector<TypedWord>& words, std::size_t count,
                   std::string_view between = " ");

// The texts of the words whose bits are set in `bits`.
QStringList Texts(const std::vector<TypedWord>& words, uint32_t bits);

}  // namespace velnora::places
