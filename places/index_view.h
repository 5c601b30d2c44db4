// SPDX-License-Identifier: GPL-3.0-or-later
// The mapped index as the search reads it (see index_format.h): the tables as
// spans over the mapping, and what the search and the near misses share.
#pragma once

#include <QString>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "places/index_format.h"
#include "places/places.h"
#include "places/typed_text.h"

namespace velnora::places {

// How a run of typed words names a place: as the whole of one of its names, or
// as whole words inside a longer one ("york" of "new york").
enum class NameMatch { Words, Whole };

struct Candidate {
    uint32_t place;
    uint32_t key;  // string offset of the whole name it was found by
    NameMatch match;
    int score = 0;           // typed division and country words the place has
    uint32_t explained = 0;  // those words, as bits of the region words
    uint32_t against = 0;    // region words naming another division or country
    int distance = 0;
    bool ownName = false;  // found by its own name, not an alternate one
    // A typed word names some other division or country ("Pune Karnataka India"):
    // the place may still be meant, but never taken silently.
    bool contradicted = false;
};

struct Gazetteer::Data {
    std::span<const index::PlaceRecord> places;
    std::span<const index::KeyRecord> keys;
    std::span<const index::DivisionRecord> divisions;
    std::span<const index::CountryRecord> countries;
    std::span<const uint32_t> zones;
    std::span<const index::DirectoryEntry> directory;
    const char* strings = nullptr;
    uint32_t stringsSize = 0;

    // The NUL-terminated text at `offset`. The pool ends with a NUL when it is
    // opened, but a file rewritten under a search may no longer: the text stops at
    // the pool's end all the same.
    std::string_view Str(uint32_t offset) const {
        return offset < stringsSize
                   ? std::string_view(strings + offset,
                                      strnlen(strings + offset, stringsSize - offset))
                   : std::string_view();
    }
    std::string_view KeyText(const index::KeyRecord& k) const { return Str(k.key); }
    static uint32_t PlaceOf(const index::KeyRecord& k) { return k.place & index::kPlaceMask; }
    static uint32_t NameStart(const index::KeyRecord& k) {
        return (k.place >> index::kPlaceBits) & index::kStartMask;
    }
    static bool OwnName(const index::KeyRecord& k) { return (k.place & index::kOwnName) != 0; }

    // The first key not sorted before `text`. The directory narrows the search to
    // the keys between the last entry whose prefix sorts before the text's prefix
    // and the first one whose prefix sorts after it.
    std::size_t LowerBound(std::string_view text) const {
        constexpr std::size_t kPrefix = sizeof(index::DirectoryEntry::prefix);
        const std::string_view cut = text.substr(0, std::min(text.size(), kPrefix));
        const auto prefix = [](const index::DirectoryEntry& e) {
            return std::string_view(e.prefix, strnlen(e.prefix, kPrefix));
        };
        const auto after =
            std::partition_point(directory.begin(), directory.end(),
                                 [&](const index::DirectoryEntry& e) { return prefix(e) <= cut; });
        const auto before =
            std::partition_point(directory.begin(), after,
                                 [&](const index::DirectoryEntry& e) { return prefix(e) < cut; });
        const std::size_t stride = index::kDirectoryStride;
        const std::size_t from =
            before == directory.begin() ? 0 : (before - directory.begin() - 1) * stride;
        const std::size_t to =
            std::min(keys.size(), static_cast<std::size_t>(after - directory.begin()) * stride);
        const auto it =
            std::partition_point(keys.begin() + from, keys.begin() + std::max(from, to),
                                 [&](const index::KeyRecord& k) { return KeyText(k) < text; });
        return static_cast<std::size_t>(it - keys.begin());
    }

    std::vector<Candidate> Collect(const std::string& run, bool insideNames) const;
    // Sets each candidate's score from the typed `rest`; `fields`: the words came
    // in comma-separated fields, each of which contradicts a place as a whole.
    void Score(std::vector<Candidate>& found, const std::vector<TypedWord>& rest,
               bool fields = false) const;
    std::vector<Candidate> NearMisses(const Typed& typed) const;
    // Whether `text` is the whole of one of a country's names ("india", "usa").
    bool IsCountry(const std::string& text) const;
    // Whether `text` is the whole of one of the names of `country`.
    bool IsCountry(const std::string& text, uint16_t country) const;
    Place ToPlace(const Candidate& c) const;
};

// Letters, digits, '/', '_', '-' and '+' only, no "..", no leading '/'.
bool IsWellFormedZoneId(std::string_view zoneId);

// Whether the blank-separated `words` hold `word` as one of them.
bool HasWord(std::string_view words, std::string_view word);

// Best first: uncontradicted, most typed division and country words, closest,
// whole names, then the weight of the population.
void Rank(std::vector<Candidate>& found, std::span<const index::PlaceRecord> places);

}  // namespace velnora::places
