// SPDX-License-Identifier: GPL-3.0-or-later
// Names a letter or two off the typed words, for a text that names nothing: the
// whole names that start with the same letter are scanned, most ruled out by
// their letter counts before any distance is computed.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "places/index_view.h"

namespace velnora::places {

namespace {

// Optimal string alignment distance (a swap of two neighbours is one step), or
// `limit` + 1 when it is larger than `limit`.
int Distance(std::string_view a, std::string_view b, int limit) {
    constexpr std::size_t kLongest = 255;  // keys are shorter; longer runs are cut
    if (b.size() > kLongest) b = b.substr(0, kLongest);
    const int n = static_cast<int>(b.size());
    std::array<int, kLongest + 1> rows[3];
    int* before = rows[0].data();
    int* row = rows[1].data();
    int* next = rows[2].data();
    for (int j = 0; j <= n; ++j) row[j] = j;
    for (int i = 1; i <= static_cast<int>(a.size()); ++i) {
        next[0] = i;
        int best = i;
        for (int j = 1; j <= n; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({row[j] + 1, next[j - 1] + 1, row[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            next[j] = d;
            best = std::min(best, d);
        }
        if (best > limit) return limit + 1;
        std::swap(before, row);
        std::swap(row, next);
    }
    return std::min(row[n], limit + 1);
}

}  // namespace

std::vector<Candidate> Gazetteer::Data::NearMisses(const Typed& typed) const {
    const std::vector<TypedWord>& words = typed.words;
    struct Hit {
        std::size_t run;
        int distance;
        std::size_t first;  // first key record with that text
    };
    std::vector<std::string> runs;
    for (std::size_t k = 1; k <= std::min<std::size_t>(typed.cityWords, 3); ++k) {
        runs.push_back(k == 1 ? words[0].text : runs.back() + ' ' + words[k - 1].text);
    }
    const auto limit = [](const std::string& run) { return run.size() <= 4 ? 1 : 2; };
    // Letter counts: a change of one letter alters them by at most two, so a name
    // whose counts differ more cannot be close; most names are ruled out so.
    using Counts = std::array<int8_t, 48>;  // 37 slots, padded so the comparison vectorises
    const auto count = [](std::string_view text) {
        Counts c{};
        for (const char ch : text) {
            const int slot = ch >= 'a' && ch <= 'z'   ? ch - 'a'
                             : ch >= '0' && ch <= '9' ? 26 + ch - '0'
                                                      : 36;
            ++c[static_cast<std::size_t>(slot)];
        }
        return c;
    };
    std::vector<Counts> runCounts;
    runCounts.reserve(runs.size());
    for (const std::string& run : runs) runCounts.push_back(count(run));
    // The first letter whole: one byte in Latin, all of a UTF-8 sequence in
    // another script, so that "अ" is not scanned as every name from U+0800 on.
    std::size_t letterBytes = 1;
    while (letterBytes < words[0].text.size() &&
           (static_cast<unsigned char>(words[0].text[letterBytes]) & 0xC0) == 0x80)
        ++letterBytes;
    const std::string letter = words[0].text.substr(0, letterBytes);
    std::vector<Hit> hits;
    uint32_t previous = UINT32_MAX;
    for (std::size_t i = LowerBound(letter); i < keys.size(); ++i) {
        const index::KeyRecord& k = keys[i];
        if (NameStart(k) != 0 || k.key == previous) continue;
        previous = k.key;
        const std::string_view text = KeyText(k);
        if (!text.starts_with(letter)) break;
        Counts counts{};
        bool counted = false;
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const int most = limit(runs[r]);
            const auto gap = static_cast<long>(text.size()) - static_cast<long>(runs[r].size());
            if (gap > most || gap < -most) continue;
            if (!counted) {
                counts = count(text);
                counted = true;
            }
            int apart = 0;
            for (std::size_t s = 0; s < counts.size(); ++s)
                apart += std::abs(counts[s] - runCounts[r][s]);
            if (apart > 2 * most) continue;
            if (const int d = Distance(text, runs[r], most); d > 0 && d <= most)
                hits.push_back({r, d, i});
        }
    }
    std::vector<Candidate> found;
    for (std::size_t r = 0; r < runs.size(); ++r) {  // the places named so, scored once a run
        std::vector<Candidate> named;
        for (const Hit& h : hits) {
            if (h.run != r) continue;
            const std::string_view text = KeyText(keys[h.first]);
            for (std::size_t i = h.first; i < keys.size() && KeyText(keys[i]) == text; ++i) {
                if (NameStart(keys[i]) == 0 && PlaceOf(keys[i]) < places.size()) {
                    named.push_back({.place = PlaceOf(keys[i]),
                                     .key = keys[i].key,
                                     .match = NameMatch::Whole,
                                     .distance = h.distance,
                                     .ownName = OwnName(keys[i])});
                }
            }
        }
        const std::vector<TypedWord> after = RegionWords(typed, r + 1);
        Score(named, after);
        for (const Candidate& c : named) {
            if (after.empty() || c.score > 0) found.push_back(c);
        }
    }
    Rank(found, places);
    return found;
}

}  // namespace velnora::places
