// SPDX-License-Identifier: GPL-3.0-or-later
// Every place gets the folded forms of its name, its ASCII name and its
// alternate names in every script; Latin names written in small letters only
// are left out, as GeoNames gives machine transliterations so. A name in another
// script counts as the place's own, as does an alternate name that is the
// leading words of its own ("Santa Cruz" of "Santa Cruz de la Sierra").
// Country names come from the system's locale data, in English and in the
// scripts of the windows' languages, plus the forms people type.
#include "places/index_builder.h"

#include <QLocale>
#include <algorithm>

#include "places/fold.h"

namespace velnora::places::build {

namespace {

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

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool HasCapital(const QString& name) {
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isUpper(); });
}

// Whether the name has a letter of the Latin script.
bool HasLatinLetter(const QString& name) {
    return std::any_of(name.cbegin(), name.cend(),
                       [](QChar c) { return c.isLetter() && c.script() == QChar::Script_Latin; });
}

bool AllLetters(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
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

// The folded names of the place of `row` that a person can type, each with
// whether it is the place's own name.
QHash<QString, bool> FoldedNames(const DumpRow& row) {
    QHash<QString, bool> folded;
    const QString ownFolded = Fold(Q(row.name)) + u' ';
    const auto add = [&](const QString& name, bool own) {
        const QString key = Fold(name);
        if (!key.isEmpty() && key.toUtf8().size() <= index::kLongestKey) {
            folded[key] = folded.value(key) || own || ownFolded.startsWith(key + u' ');
        }
    };
    // A hyphenated name is also found written as one word:
    // "Higashi-Hiroshima" as "Higashihiroshima".
    const auto addWithJoined = [&](const QString& name, bool own) {
        add(name, own);
        if (name.contains(u'-')) add(QString(name).remove(u'-'), own);
    };
    addWithJoined(Q(row.name), true);
    addWithJoined(Q(row.asciiName), true);
    for (const QString& alt : Q(row.alternateNames).split(u',', Qt::SkipEmptyParts)) {
        // A name in another script is the place's own name written in it: "मुंबई".
        if (!HasLatinLetter(alt)) {
            addWithJoined(alt, true);
        } else if (HasCapital(alt)) {
            addWithJoined(alt, false);
        }
    }
    return folded;
}

}  // namespace

uint32_t StringPool::String(const std::string& text) {
    auto [it, inserted] = strings_.try_emplace(text, static_cast<uint32_t>(pool_.size()));
    if (inserted) {
        pool_ += text;
        pool_ += '\0';
    }
    return it->second;
}

bool IndexBuilder::Add(const DumpRow& row) {
    const uint32_t placeIndex = static_cast<uint32_t>(parts_.places.size());
    const uint16_t country = Country(row.country);
    const std::string divisionCode = std::string(row.country) + '.' + std::string(row.division);
    const uint16_t division = FirstDivision(country, divisionCode, row.division);
    const std::string division2Code = divisionCode + '.' + std::string(row.division2);
    const uint16_t division2 =
        row.division2.empty() ? index::kNoDivision : SecondDivision(country, division2Code);
    if (parts_.divisions.size() >= index::kNoDivision) return false;

    index::PlaceRecord p{};
    p.zone = Zone(row.zone);
    p.latitude = std::stof(std::string(row.latitude));
    p.longitude = std::stof(std::string(row.longitude));
    const long long population =
        row.population.empty() ? 0 : std::stoll(std::string(row.population));
    p.population = static_cast<uint32_t>(std::clamp<long long>(population, 0, UINT32_MAX));
    p.division = division;
    p.division2 = division2;
    p.seat = Seat(row.featureCode);
    if (row.featureCode == "PPLX") p.flags = index::kNeighbourhood;
    p.country = country;
    parts_.places.push_back(p);
    parts_.placeNames.push_back(Q(row.name));

    const QHash<QString, bool> folded = FoldedNames(row);
    for (auto entry = folded.cbegin(); entry != folded.cend(); ++entry) {
        AddKeys(entry.key().toStdString(), entry.value(), placeIndex);
    }
    if (division2 != index::kNoDivision)
        NoteDivision2(division2, division2Code, folded, placeIndex);
    return true;
}

uint16_t IndexBuilder::Country(std::string_view code) {
    const std::string countryCode(code);
    if (const auto known = countryIds_.find(countryCode); known != countryIds_.end()) {
        return known->second;
    }
    const QLocale::Territory t = QLocale::codeToTerritory(Q(code));
    const QString name = t == QLocale::AnyTerritory ? Q(code) : QLocale::territoryToString(t);
    QStringList forms{name, Q(code)};
    forms += CountryNamesInScripts(Q(code));
    for (const TypedForms& typed : kTypedForms) {
        if (countryCode == typed.code) forms += QString::fromUtf8(typed.forms).split(u'|');
    }
    QStringList whole;
    for (const QString& form : forms) {
        if (const QString folded = Fold(form); !whole.contains(folded)) whole << folded;
    }
    StringPool& s = parts_.strings;
    parts_.countries.push_back({s.String(name.toStdString()), s.String(countryCode),
                                s.String(Words(forms)), s.String(whole.join(u'|').toStdString()), 0,
                                0});
    countryDivisionWords_.emplace_back();
    countryDivision2Words_.emplace_back();
    const auto id = static_cast<uint16_t>(parts_.countries.size() - 1);
    countryIds_.emplace(countryCode, id);
    return id;
}

// A division record for `code` named `name`, made once; `letters` is its own
// code within the country.
uint16_t IndexBuilder::Division(uint16_t country, const std::string& code, const QString& name,
                                const QString& letters, bool first) {
    if (const auto known = divisionIds_.find(code); known != divisionIds_.end()) {
        return known->second;
    }
    QStringList forms{name};
    if (!letters.isEmpty() && AllLetters(letters)) {
        forms.append(letters);  // "NJ", "ENG"; numbers are no use to a person
    }
    forms += forms_.value(QString::fromStdString(code));
    StringPool& s = parts_.strings;
    parts_.divisions.push_back({s.String(name.toStdString()), s.String(Words(forms))});
    for (const QString& form : forms) {  // the name and the code, each whole
        (first ? countryDivisionWords_ : countryDivision2Words_)[country] +=
            QString::fromStdString(Words({form}));
    }
    const auto id = static_cast<uint16_t>(parts_.divisions.size() - 1);
    divisionIds_.emplace(code, id);
    return id;
}

uint16_t IndexBuilder::FirstDivision(uint16_t country, const std::string& code,
                                     std::string_view own) {
    if (own.empty() || own == "00") return index::kNoDivision;
    const auto named = divisionNames_.constFind(QString::fromStdString(code));
    if (named == divisionNames_.cend()) {
        ++unnamed_[code];
        return index::kNoDivision;
    }
    return *named == u"-" ? index::kNoDivision : Division(country, code, *named, Q(own), true);
}

uint16_t IndexBuilder::SecondDivision(uint16_t country, const std::string& code) {
    const auto named = division2Names_.constFind(QString::fromStdString(code));
    if (named == division2Names_.cend() || named->isEmpty()) return index::kNoDivision;
    return Division(country, code, *named, QString(), false);
}

uint16_t IndexBuilder::Zone(std::string_view id) {
    const std::string zoneId(id);
    auto zone = zoneIds_.find(zoneId);
    if (zone == zoneIds_.end()) {
        parts_.zones.push_back(parts_.strings.String(zoneId));
        zone = zoneIds_.emplace(zoneId, static_cast<uint16_t>(parts_.zones.size() - 1)).first;
    }
    return zone->second;
}

// The keys of the folded name `text` of place `place`: the whole name and, with
// `tails`, its tail from each later word on.
void IndexBuilder::AddKeys(const std::string& text, bool own, uint32_t place, bool tails) {
    auto [it, inserted] = nameIds_.try_emplace(text, static_cast<uint32_t>(parts_.names.size()));
    if (inserted) parts_.names.push_back(text);
    parts_.keys.push_back({it->second, 0, own, place});
    for (std::size_t at = tails ? text.find(' ') : std::string::npos; at != std::string::npos;
         at = text.find(' ', at + 1)) {
        parts_.keys.push_back({it->second, static_cast<uint8_t>(at + 1), own, place});
    }
}

// Notes whether the place is named after its second-level division, and
// whether it is the division's largest place so far.
void IndexBuilder::NoteDivision2(uint16_t division2, const std::string& code,
                                 const QHash<QString, bool>& folded, uint32_t place) {
    auto [name, made] = division2Folded_.try_emplace(division2);
    if (made) name->second = Fold(division2Names_.value(QString::fromStdString(code)));
    if (folded.contains(name->second)) division2Named_[division2] = true;
    const auto largest = division2Largest_.find(division2);
    const auto standing = [&](uint32_t i) {
        return index::Standing(parts_.places[i].population, parts_.places[i].seat);
    };
    if (largest == division2Largest_.end() || standing(place) > standing(largest->second))
        division2Largest_[division2] = place;
}

// A division no place is named after is found by its name as its largest
// place, a copy marked so.
void IndexBuilder::AddDivisionCopies() {
    std::vector<std::pair<uint16_t, uint32_t>> unnamedDivisions;
    for (const auto& [division, largest] : division2Largest_) {
        if (!division2Named_.contains(division)) unnamedDivisions.emplace_back(division, largest);
    }
    std::sort(unnamedDivisions.begin(), unnamedDivisions.end());
    auto& places = parts_.places;
    for (const auto& [division, largest] : unnamedDivisions) {
        const QString& key = division2Folded_[division];
        if (key.isEmpty() || key.size() > index::kLongestKey || places.size() > index::kPlaceMask)
            continue;
        index::PlaceRecord copy = places[largest];
        copy.flags = index::kStandsForDivision;
        const uint32_t copyIndex = static_cast<uint32_t>(places.size());
        places.push_back(copy);
        parts_.placeNames.push_back(parts_.placeNames[largest]);
        AddKeys(key.toStdString(), false, copyIndex, false);  // by the whole name only
    }
}

void IndexBuilder::Finish() {
    AddDivisionCopies();
    for (std::size_t i = 0; i < parts_.countries.size(); ++i) {
        countryDivisionWords_[i].removeDuplicates();
        countryDivision2Words_[i].removeDuplicates();
        parts_.countries[i].divisions =
            parts_.strings.String(countryDivisionWords_[i].join(u'|').toStdString());
        parts_.countries[i].divisions2 =
            parts_.strings.String(countryDivision2Words_[i].join(u'|').toStdString());
    }
}

}  // namespace velnora::places::build
