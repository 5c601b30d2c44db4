// SPDX-License-Identifier: GPL-3.0-or-later
// velnora-gazetteer-index DUMP ADMIN1 ADMIN2 NAMES OUT: turns the GeoNames cities
// dump (its tab-separated format), the first- and second-level division names
// (JSON lists of {"code": "IN.16", "name": "Maharashtra"} and {"code":
// "GB.ENG.E4", "name": "Essex"}) and the names of first-level codes those lack
// (NAMES: "code<TAB>name" lines, "-" for none known) into the index file that
// the program maps (see index_format.h). Run by the build once per data version.
// It stops, naming them, when the dump uses a first-level code that has no name.
//
// Every place gets the folded forms of its name, its ASCII name and those of its
// alternate names that a person can type on a Latin keyboard; names written in
// small letters only are left out, as GeoNames gives machine transliterations so.
// Country names come from the system's locale data plus the forms people type.
#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "places/fold.h"
#include "places/index_format.h"

namespace {

using namespace velnora::places;

// The forms of a country's name that people type beside the one the locale data gives.
struct TypedForms {
    const char* code;
    const char* forms;  // separated by '|'
};
constexpr TypedForms kTypedForms[] = {
    {"US", "USA|US|America|United States of America"},
    {"GB", "UK|Great Britain|Britain"},
    {"AE", "UAE|Emirates"},
    {"NL", "Holland"},
    {"KR", "South Korea|Korea"},
    {"KP", "North Korea"},
    {"RU", "Russia|Russian Federation"},
    {"CZ", "Czech Republic"},
    {"CI", "Ivory Coast|Cote d'Ivoire"},
    {"MM", "Burma"},
    {"TR", "Turkey|Turkiye"},
    {"MK", "Macedonia"},
    {"SZ", "Swaziland"},
    {"CV", "Cape Verde"},
    {"TL", "East Timor"},
    {"VA", "Vatican"},
    {"LA", "Laos"},
    {"SY", "Syria"},
    {"IR", "Iran"},
    {"TW", "Taiwan"},
    {"PS", "Palestine"},
    {"VN", "Vietnam|Viet Nam"},
    {"BA", "Bosnia"},
    {"SA", "KSA|Saudi"},
    {"CD", "DRC|DR Congo"},
    {"CN", "PRC"},
};

// Folded words of `texts`, each once, blank-separated.
std::string Words(const QStringList& texts) {
    QStringList words;
    for (const QString& t : texts) {
        for (const QString& w : Fold(t).split(u' ', Qt::SkipEmptyParts)) {
            if (!words.contains(w)) words.append(w);
        }
    }
    return words.join(u' ').toStdString();
}

class Writer {
public:
    // Offset of `text` in the string pool, each text stored once.
    uint32_t String(const std::string& text) {
        auto [it, inserted] = strings_.try_emplace(text, static_cast<uint32_t>(pool_.size()));
        if (inserted) {
            pool_ += text;
            pool_ += '\0';
        }
        return it->second;
    }
    std::string& pool() { return pool_; }

private:
    std::unordered_map<std::string, uint32_t> strings_;
    std::string pool_;
};

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> f;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        f.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return f;
        start = tab + 1;
    }
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool HasCapital(const QString& name) {
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isUpper(); });
}

struct Key {
    uint32_t name;  // index into the whole-name keys
    uint8_t start;  // byte where this key's text begins in the name
    bool own;       // the place's own name or its ASCII spelling
    uint32_t place;
};

template <class T>
void Put(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// "code" -> "name" of a JSON list of divisions; false when it cannot be read.
bool ReadDivisionNames(const char* path, QHash<QString, QString>& names) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue v : list) {
        names.insert(v[QLatin1String("code")].toString(), v[QLatin1String("name")].toString());
    }
    return true;
}

// Adds the "code<TAB>name" lines of `path` that `names` lacks; "-" is kept as
// the mark of a code known to have no name.
bool ReadMissingNames(const char* path, QHash<QString, QString>& names) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList f = line.split(u'\t');
        if (f.size() == 2 && !names.contains(f[0])) names.insert(f[0], f[1]);
    }
    return true;
}

// The GeoNames feature code as a SeatRank.
uint8_t Seat(std::string_view featureCode) {
    if (featureCode == "PPLC") return index::kCapital;
    if (featureCode == "PPLA") return index::kSeat1;
    if (featureCode == "PPLA2") return index::kSeat2;
    if (featureCode == "PPLA3") return index::kSeat3;
    if (featureCode == "PPLA4") return index::kSeat4;
    return index::kNoSeat;
}

int Build(const char* dumpPath, const char* admin1Path, const char* admin2Path,
          const char* namesPath, const char* outPath) {
    QHash<QString, QString> divisionNames, division2Names;  // "IN.16" -> "Maharashtra"
    if (!ReadDivisionNames(admin1Path, divisionNames) ||
        !ReadMissingNames(namesPath, divisionNames) ||
        !ReadDivisionNames(admin2Path, division2Names))
        return 1;

    std::ifstream dump(dumpPath);
    if (!dump) {
        std::fprintf(stderr, "cannot read %s\n", dumpPath);
        return 1;
    }

    Writer w;
    std::vector<index::PlaceRecord> places;
    std::vector<std::string> names;  // whole folded names, by index
    std::unordered_map<std::string, uint32_t> nameIds;
    std::vector<Key> keys;
    std::map<std::string, uint16_t> divisionIds, countryIds, zoneIds;
    std::map<std::string, int> unnamed;  // first-level codes without a name, and their places
    std::vector<QStringList> countryDivisionWords;
    std::vector<index::DivisionRecord> divisions;
    std::vector<index::CountryRecord> countries;
    std::vector<uint32_t> zones;
    std::vector<uint32_t> displayNames;  // pool offsets, set after the keys

    std::vector<QString> placeNames;
    // Second-level divisions: their folded names, whether a place is named
    // after one, and its largest place.
    std::unordered_map<uint16_t, QString> division2Folded;
    std::unordered_map<uint16_t, bool> division2Named;
    std::unordered_map<uint16_t, uint32_t> division2Largest;
    // The keys of the folded name `text` of place `placeIndex`: the whole name
    // and its tail from each later word on.
    const auto addKeys = [&](const std::string& text, bool own, uint32_t placeIndex,
                             bool tails = true) {
        auto [it, inserted] = nameIds.try_emplace(text, static_cast<uint32_t>(names.size()));
        if (inserted) names.push_back(text);
        keys.push_back({it->second, 0, own, placeIndex});
        for (std::size_t at = tails ? text.find(' ') : std::string::npos; at != std::string::npos;
             at = text.find(' ', at + 1)) {
            keys.push_back({it->second, static_cast<uint8_t>(at + 1), own, placeIndex});
        }
    };
    std::string line;
    while (std::getline(dump, line)) {
        const std::vector<std::string_view> f = Fields(line);
        if (f.size() < 18 || f[1].empty()) continue;
        const uint32_t placeIndex = static_cast<uint32_t>(places.size());
        if (placeIndex > index::kPlaceMask) break;

        const std::string countryCode(f[8]);
        auto country = countryIds.find(countryCode);
        if (country == countryIds.end()) {
            const QLocale::Territory t = QLocale::codeToTerritory(Q(f[8]));
            const QString name =
                t == QLocale::AnyTerritory ? Q(f[8]) : QLocale::territoryToString(t);
            QStringList forms{name, Q(f[8])};
            for (const TypedForms& typed : kTypedForms) {
                if (countryCode == typed.code) forms += QString::fromUtf8(typed.forms).split(u'|');
            }
            QStringList whole;
            for (const QString& form : forms) {
                if (const QString folded = Fold(form); !whole.contains(folded)) whole << folded;
            }
            countries.push_back({w.String(name.toStdString()), w.String(countryCode),
                                 w.String(Words(forms)), w.String(whole.join(u'|').toStdString()),
                                 0});
            countryDivisionWords.emplace_back();
            country =
                countryIds.emplace(countryCode, static_cast<uint16_t>(countries.size() - 1)).first;
        }

        // A division record for `code` named `name`, made once.
        const auto divisionOf = [&](const std::string& code, const QString& name,
                                    const QString& letters) {
            auto known = divisionIds.find(code);
            if (known == divisionIds.end()) {
                QStringList forms{name};
                if (!letters.isEmpty() && std::all_of(letters.cbegin(), letters.cend(),
                                                      [](QChar c) { return c.isLetter(); })) {
                    forms.append(letters);  // "NJ", "ENG"; numbers are no use to a person
                }
                divisions.push_back({w.String(name.toStdString()), w.String(Words(forms))});
                for (const QString& form : forms) {  // the name and the code, each whole
                    countryDivisionWords[country->second] += QString::fromStdString(Words({form}));
                }
                known =
                    divisionIds.emplace(code, static_cast<uint16_t>(divisions.size() - 1)).first;
            }
            return known->second;
        };
        uint16_t division = index::kNoDivision, division2 = index::kNoDivision;
        const std::string divisionCode = countryCode + '.' + std::string(f[10]);
        if (!f[10].empty() && f[10] != "00") {
            const auto named = divisionNames.constFind(QString::fromStdString(divisionCode));
            if (named == divisionNames.cend()) {
                ++unnamed[divisionCode];
            } else if (*named != u"-") {
                division = divisionOf(divisionCode, *named, Q(f[10]));
            }
        }
        const std::string division2Code = divisionCode + '.' + std::string(f[11]);
        if (!f[11].empty()) {
            if (const auto named = division2Names.constFind(QString::fromStdString(division2Code));
                named != division2Names.cend() && !named->isEmpty()) {
                division2 = divisionOf(division2Code, *named, QString());
            }
        }
        if (divisions.size() >= index::kNoDivision) {
            std::fprintf(stderr, "more divisions than the index can number\n");
            return 1;
        }

        const std::string zoneId(f[17]);
        auto zone = zoneIds.find(zoneId);
        if (zone == zoneIds.end()) {
            zones.push_back(w.String(zoneId));
            zone = zoneIds.emplace(zoneId, static_cast<uint16_t>(zones.size() - 1)).first;
        }

        index::PlaceRecord p{};
        p.latitude = std::stof(std::string(f[4]));
        p.longitude = std::stof(std::string(f[5]));
        const long long population = f[14].empty() ? 0 : std::stoll(std::string(f[14]));
        p.population = static_cast<uint32_t>(std::clamp<long long>(population, 0, UINT32_MAX));
        p.division = division;
        p.division2 = division2;
        p.seat = Seat(f[7]);
        p.country = country->second;
        p.zone = zone->second;
        places.push_back(p);
        placeNames.push_back(Q(f[1]));

        QHash<QString, bool> folded;  // key -> whether it is the place's own name
        const auto add = [&](const QString& name, bool own) {
            if (!IsLatinTypeable(name)) return;
            const QString key = Fold(name);
            if (!key.isEmpty() && key.size() <= index::kLongestKey) {
                folded[key] = folded.value(key) || own;
            }
        };
        // A hyphenated name is also found written as one word:
        // "Higashi-Hiroshima" as "Higashihiroshima".
        const auto addWithJoined = [&](const QString& name, bool own) {
            add(name, own);
            if (name.contains(u'-')) add(QString(name).remove(u'-'), own);
        };
        addWithJoined(Q(f[1]), true);
        addWithJoined(Q(f[2]), true);
        for (const QString& alt : Q(f[3]).split(u',', Qt::SkipEmptyParts)) {
            if (HasCapital(alt)) addWithJoined(alt, false);
        }
        for (auto entry = folded.cbegin(); entry != folded.cend(); ++entry) {
            addKeys(entry.key().toStdString(), entry.value(), placeIndex);
        }
        if (division2 != index::kNoDivision) {
            auto [name, made] = division2Folded.try_emplace(division2);
            if (made)
                name->second = Fold(division2Names.value(QString::fromStdString(division2Code)));
            if (folded.contains(name->second)) division2Named[division2] = true;
            const auto largest = division2Largest.find(division2);
            const auto standing = [&](uint32_t i) {
                return index::Standing(places[i].population, places[i].seat);
            };
            if (largest == division2Largest.end() ||
                standing(placeIndex) > standing(largest->second))
                division2Largest[division2] = placeIndex;
        }
    }
    // A division no place is named after is found by its name as its largest
    // place, a copy marked so.
    std::vector<std::pair<uint16_t, uint32_t>> unnamedDivisions;
    for (const auto& [division, largest] : division2Largest) {
        if (!division2Named.contains(division)) unnamedDivisions.emplace_back(division, largest);
    }
    std::sort(unnamedDivisions.begin(), unnamedDivisions.end());
    for (const auto& [division, largest] : unnamedDivisions) {
        const QString& key = division2Folded[division];
        if (key.isEmpty() || key.size() > index::kLongestKey || places.size() > index::kPlaceMask)
            continue;
        index::PlaceRecord copy = places[largest];
        copy.flags = index::kStandsForDivision;
        const uint32_t copyIndex = static_cast<uint32_t>(places.size());
        places.push_back(copy);
        placeNames.push_back(placeNames[largest]);
        addKeys(key.toStdString(), false, copyIndex, false);  // by the whole name only
    }
    if (places.empty()) {
        std::fprintf(stderr, "no places in %s\n", dumpPath);
        return 1;
    }
    if (!unnamed.empty()) {
        for (const auto& [code, count] : unnamed) {
            std::fprintf(stderr, "division code %s (%d places) has no name in %s or %s\n",
                         code.c_str(), count, admin1Path, namesPath);
        }
        return 1;
    }
    for (std::size_t i = 0; i < countries.size(); ++i) {
        countryDivisionWords[i].removeDuplicates();
        countries[i].divisions = w.String(countryDivisionWords[i].join(u'|').toStdString());
    }

    // Whole names first and sorted, so that their scan reads the pool in order.
    std::string pool;
    std::vector<uint32_t> order(names.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return names[a] < names[b]; });
    std::vector<uint32_t> nameAt(names.size());
    for (uint32_t i : order) {
        nameAt[i] = static_cast<uint32_t>(pool.size());
        pool += names[i];
        pool += '\0';
    }
    const uint32_t rest = static_cast<uint32_t>(pool.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        places[i].name = rest + w.String(placeNames[i].toStdString());
    }
    for (auto& d : divisions) d = {rest + d.name, rest + d.words};
    for (auto& c : countries) {
        c = {rest + c.name, rest + c.code, rest + c.words, rest + c.forms, rest + c.divisions};
    }
    for (auto& z : zones) z += rest;
    pool += w.pool();

    const auto text = [&](const Key& k) { return std::string_view(names[k.name]).substr(k.start); };
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (const int c = text(a).compare(text(b)); c != 0) return c < 0;
        const auto standing = [&](const Key& k) {
            return index::Standing(places[k.place].population, places[k.place].seat);
        };
        return standing(a) > standing(b);
    });

    index::Header h{};
    std::copy(std::begin(index::kMagic), std::end(index::kMagic), h.magic);
    h.placeCount = static_cast<uint32_t>(places.size());
    h.keyCount = static_cast<uint32_t>(keys.size());
    h.divisionCount = static_cast<uint32_t>(divisions.size());
    h.countryCount = static_cast<uint32_t>(countries.size());
    h.zoneCount = static_cast<uint32_t>(zones.size());
    h.placesAt = sizeof h;
    h.keysAt = h.placesAt + h.placeCount * sizeof(index::PlaceRecord);
    h.divisionsAt = h.keysAt + h.keyCount * sizeof(index::KeyRecord);
    h.countriesAt = h.divisionsAt + h.divisionCount * sizeof(index::DivisionRecord);
    h.zonesAt = h.countriesAt + h.countryCount * sizeof(index::CountryRecord);
    h.directoryCount = (h.keyCount + index::kDirectoryStride - 1) / index::kDirectoryStride;
    h.directoryAt = h.zonesAt + h.zoneCount * sizeof(uint32_t);
    h.stringsAt = h.directoryAt + h.directoryCount * sizeof(index::DirectoryEntry);
    h.stringsSize = static_cast<uint32_t>(pool.size());

    std::string out;
    out.reserve(h.stringsAt + pool.size());
    Put(out, h);
    for (const auto& p : places) Put(out, p);
    for (const Key& k : keys) {
        const uint32_t start = static_cast<uint32_t>(k.start) << index::kPlaceBits;
        Put(out, index::KeyRecord{nameAt[k.name] + k.start,
                                  k.place | start | (k.own ? index::kOwnName : 0)});
    }
    for (const auto& d : divisions) Put(out, d);
    for (const auto& c : countries) Put(out, c);
    for (uint32_t z : zones) Put(out, z);
    for (std::size_t i = 0; i < keys.size(); i += index::kDirectoryStride) {
        index::DirectoryEntry e{};
        const std::string_view t = text(keys[i]);
        std::copy_n(t.begin(), std::min(t.size(), sizeof e.prefix), e.prefix);
        Put(out, e);
    }
    out += pool;

    const std::string tmp = std::string(outPath) + ".tmp";
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool written = fd >= 0;
    for (std::size_t at = 0; written && at < out.size();) {
        const ssize_t n = write(fd, out.data() + at, out.size() - at);
        written = n > 0;
        at += written ? static_cast<std::size_t>(n) : 0;
    }
    // The file's pages leave the page cache written in large blocks, which a
    // program mapping the index would then count as resident whole; dropped, they
    // come back one page at a time as searches read them.
    written = written && fdatasync(fd) == 0;
    if (written) posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    if (fd >= 0 && close(fd) != 0) written = false;
    if (!written || std::rename(tmp.c_str(), outPath) != 0) {
        std::fprintf(stderr, "cannot write %s\n", outPath);
        return 1;
    }
    std::printf("gazetteer index: %u places, %u keys, %zu bytes\n", h.placeCount, h.keyCount,
                out.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: velnora-gazetteer-index DUMP ADMIN1_JSON ADMIN2_JSON NAMES OUT\n");
        return 64;
    }
    try {
        return Build(argv[1], argv[2], argv[3], argv[4], argv[5]);
    } catch (const std::exception& e) {  // a malformed number in the dump
        std::fprintf(stderr, "velnora-gazetteer-index: %s\n", e.what());
        return 1;
    }
}
