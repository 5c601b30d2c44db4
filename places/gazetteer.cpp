// SPDX-License-Identifier: GPL-3.0-or-later
// The search over the mapped index (see index_format.h). A search folds the
// typed words, then tries the longest leading run of them first: one binary
// search over the sorted keys finds the places whose name is that run, another
// those with the run as whole words inside a longer name. The words after the
// run are compared with each candidate's division and country words. A run
// whose candidates all disagree with those words is remembered and a shorter run
// tried; when none agrees the search refuses instead of guessing. When no run
// names anything, the whole names that start with the same letter are scanned
// for ones a letter or two off.
#include <sys/mman.h>

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "places/fold.h"
#include "places/index_format.h"
#include "places/places.h"

namespace velnora::places {

namespace {

constexpr char kIndexFileName[] = "gazetteer.idx";
constexpr std::size_t kMostWords = 16;           // words of a search text that count
constexpr std::size_t kMostNameMatches = 20000;  // records read for one run
constexpr std::size_t kMostWordMatches = 4000;

// How a run of typed words names a place: as the whole of one of its names, or
// as whole words inside a longer one ("york" of "new york").
enum class NameMatch { Words, Whole };

bool IsFiller(std::string_view w) { return w == "of" || w == "the" || w == "and"; }

// Words of division names that do not tell one division from another.
bool IsGeneric(std::string_view w) {
    static constexpr std::string_view kGeneric[] = {
        "province",  "state",      "region",      "district", "county",      "department",
        "territory", "prefecture", "governorate", "oblast",   "municipality"};
    return std::find(std::begin(kGeneric), std::end(kGeneric), w) != std::end(kGeneric);
}

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

struct Candidate {
    uint32_t place;
    uint32_t key;  // string offset of the whole name it was found by
    NameMatch match;
    int score = 0;  // typed division and country words the place has
    int distance = 0;
    bool ownName = false;  // found by its own name, not an alternate one
    // A typed word names some other division or country ("Pune Karnataka India"):
    // the place may still be meant, but never taken silently.
    bool contradicted = false;
};

// A place found by its own name outweighs one found by an alternate name unless
// that one is a hundred times larger: "New Delhi" is New Delhi, not Delhi, whose
// other names include it; "Bombay" is still Mumbai, not the village of that name.
constexpr uint64_t kOwnNameWeight = 100;

}  // namespace

struct Gazetteer::Data {
    std::span<const index::PlaceRecord> places;
    std::span<const index::KeyRecord> keys;
    std::span<const index::DivisionRecord> divisions;
    std::span<const index::CountryRecord> countries;
    std::span<const uint32_t> zones;
    std::span<const index::DirectoryEntry> directory;
    const char* strings = nullptr;
    uint32_t stringsSize = 0;

    // The NUL-terminated text at `offset`; the pool ends with a NUL.
    std::string_view Str(uint32_t offset) const {
        return offset < stringsSize ? std::string_view(strings + offset) : std::string_view();
    }
    std::string_view KeyText(const index::KeyRecord& k) const { return Str(k.key); }
    static uint32_t PlaceOf(const index::KeyRecord& k) { return k.place & index::kPlaceMask; }
    static uint32_t NameStart(const index::KeyRecord& k) {
        return (k.place >> index::kPlaceBits) & index::kStartMask;
    }
    static bool OwnName(const index::KeyRecord& k) { return (k.place & index::kOwnName) != 0; }

    // The first key not sorted before `text`.
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
    void Score(std::vector<Candidate>& found, const std::vector<std::string>& rest) const;
    std::vector<Candidate> NearMisses(const std::vector<std::string>& words) const;
    bool IsCountry(const std::string& text) const;
    Place ToPlace(const Candidate& c) const;
};

namespace {

std::vector<std::string> RegionWords(const std::vector<std::string>& words, std::size_t from) {
    std::vector<std::string> rest;
    for (std::size_t i = from; i < words.size(); ++i) {
        if (!IsFiller(words[i]) && !IsGeneric(words[i])) rest.push_back(words[i]);
    }
    return rest;
}

void Rank(std::vector<Candidate>& found, const std::span<const index::PlaceRecord> places) {
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

}  // namespace

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

std::vector<Candidate> Gazetteer::Data::NearMisses(const std::vector<std::string>& words) const {
    struct Hit {
        std::size_t run;
        int distance;
        std::size_t first;  // first key record with that text
    };
    std::vector<std::string> runs;
    for (std::size_t k = 1; k <= std::min<std::size_t>(words.size(), 3); ++k) {
        runs.push_back(k == 1 ? words[0] : runs.back() + ' ' + words[k - 1]);
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
    const std::string letter = words[0].substr(0, 1);
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
                    named.push_back({PlaceOf(keys[i]), keys[i].key, NameMatch::Whole, 0, h.distance,
                                     OwnName(keys[i])});
                }
            }
        }
        const std::vector<std::string> after = RegionWords(words, r + 1);
        Score(named, after);
        for (const Candidate& c : named) {
            if (after.empty() || c.score > 0) found.push_back(c);
        }
    }
    Rank(found, places);
    return found;
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
    if (r.zone < zones.size()) p.timeZoneId = Text(Str(zones[r.zone]));
    p.latitude = r.latitude;
    p.longitude = r.longitude;
    p.population = r.population;
    const std::string_view key = Str(c.key);
    if (Fold(p.city).toUtf8() != QByteArrayView(key.data(), static_cast<qsizetype>(key.size()))) {
        p.typedName = TitleCase(key);
    }
    return p;
}

Gazetteer::Gazetteer(std::unique_ptr<QFile> file, const uchar* data, qint64 size)
    : file_(std::move(file)) {
    const auto* h = reinterpret_cast<const index::Header*>(data);
    auto d = std::make_unique<Data>();
    d->places = {reinterpret_cast<const index::PlaceRecord*>(data + h->placesAt), h->placeCount};
    d->keys = {reinterpret_cast<const index::KeyRecord*>(data + h->keysAt), h->keyCount};
    d->divisions = {reinterpret_cast<const index::DivisionRecord*>(data + h->divisionsAt),
                    h->divisionCount};
    d->countries = {reinterpret_cast<const index::CountryRecord*>(data + h->countriesAt),
                    h->countryCount};
    d->zones = {reinterpret_cast<const uint32_t*>(data + h->zonesAt), h->zoneCount};
    d->directory = {reinterpret_cast<const index::DirectoryEntry*>(data + h->directoryAt),
                    h->directoryCount};
    d->strings = reinterpret_cast<const char*>(data + h->stringsAt);
    d->stringsSize = h->stringsSize;
    (void)size;
    d_ = std::move(d);
}

Gazetteer::~Gazetteer() = default;

std::unique_ptr<Gazetteer> Gazetteer::Open(const QString& path, QString* error) {
    const auto fail = [&](const QString& why) -> std::unique_ptr<Gazetteer> {
        if (error)
            *error = QStringLiteral("The list of places %1 %2.")
                         .arg(QDir::toNativeSeparators(path), why);
        return nullptr;
    };
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot be read"));
    const qint64 size = file->size();
    if (size < static_cast<qint64>(sizeof(index::Header)))
        return fail(QStringLiteral("is damaged"));
    const uchar* data = file->map(0, size);
    if (!data) return fail(QStringLiteral("cannot be read"));
    // A search reads a few scattered pages; reading ahead around each, or mapping
    // the file's cached pages as huge pages, would only grow the resident memory.
    madvise(const_cast<uchar*>(data), static_cast<std::size_t>(size), MADV_RANDOM);
    madvise(const_cast<uchar*>(data), static_cast<std::size_t>(size), MADV_NOHUGEPAGE);
    index::Header h;
    std::memcpy(&h, data, sizeof h);
    const auto fits = [&](uint64_t at, uint64_t count, uint64_t each) {
        return at % 4 == 0 && at + count * each <= static_cast<uint64_t>(size);
    };
    const bool sound =
        std::equal(std::begin(index::kMagic), std::end(index::kMagic), h.magic) &&
        fits(h.placesAt, h.placeCount, sizeof(index::PlaceRecord)) &&
        fits(h.keysAt, h.keyCount, sizeof(index::KeyRecord)) &&
        fits(h.divisionsAt, h.divisionCount, sizeof(index::DivisionRecord)) &&
        fits(h.countriesAt, h.countryCount, sizeof(index::CountryRecord)) &&
        fits(h.zonesAt, h.zoneCount, sizeof(uint32_t)) &&
        fits(h.directoryAt, h.directoryCount, sizeof(index::DirectoryEntry)) &&
        h.directoryCount == (h.keyCount + index::kDirectoryStride - 1) / index::kDirectoryStride &&
        h.stringsSize > 0 && fits(h.stringsAt, h.stringsSize, 1) &&
        data[h.stringsAt + h.stringsSize - 1] == 0;
    if (!sound) return fail(QStringLiteral("is damaged"));
    return std::unique_ptr<Gazetteer>(new Gazetteer(std::move(file), data, size));
}

int Gazetteer::size() const { return static_cast<int>(d_->places.size()); }

SearchResult Gazetteer::Search(const QString& searchText, int max) const {
    SearchResult result;
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

QStringList IndexLocations() {
    QStringList r;
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (!failed) {
        r << QDir::cleanPath(QString::fromStdString(program.parent_path().string()) +
                             QStringLiteral("/../share/velnora/") + QLatin1String(kIndexFileName));
    }
    const QString installed =
        QStringLiteral(VELNORA_DATADIR "/velnora/") + QLatin1String(kIndexFileName);
    if (!r.contains(installed)) r << installed;
    return r;
}

const Gazetteer* DefaultGazetteer(QString* error) {
    struct Opened {
        std::unique_ptr<Gazetteer> gazetteer;
        QString error;
    };
    static const Opened opened = [] {
        Opened o;
        for (const QString& path : IndexLocations()) {
            if (!QFile::exists(path)) continue;
            o.gazetteer = Gazetteer::Open(path, &o.error);
            return o;
        }
        o.error = QStringLiteral("The list of places is not installed (looked for %1).")
                      .arg(IndexLocations().join(QStringLiteral(", ")));
        return o;
    }();
    if (error) *error = opened.error;
    return opened.gazetteer.get();
}

SearchResult FindPlaces(const QString& searchText, int max) {
    const Gazetteer* g = DefaultGazetteer();
    return g ? g->Search(searchText, max) : SearchResult{};
}

}  // namespace velnora::places
