// SPDX-License-Identifier: GPL-3.0-or-later
// The records of the gazetteer index, made one dump row at a time: the place,
// its country and divisions (each made once), its zone, and the keys it is
// found by. Strings go to a pool of their own; index_bytes.h lays them out
// behind the whole-name keys.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "places/index_format.h"
#include "places/index_sources.h"
#include "places/script_names.h"

namespace velnora::places::build {

// A key while the index is made.
struct Key {
    uint32_t name;  // index into the whole-name keys
    uint8_t start;  // byte where this key's text begins in the name
    bool own;  // the place's own name, its ASCII spelling, short name or name in another script
    uint32_t place;
};

// Texts stored once each, NUL-terminated.
class StringPool {
public:
    // Offset of `text` in the pool.
    uint32_t String(const std::string& text);
    const std::string& text() const { return pool_; }

private:
    std::unordered_map<std::string, uint32_t> strings_;
    std::string pool_;
};

// Everything the index holds before its strings are laid out: the offsets in
// the records are into `strings`, and the places' names are still apart.
struct IndexParts {
    std::vector<index::PlaceRecord> places;
    std::vector<QString> placeNames;  // by place
    std::vector<std::string> names;   // whole folded names, by Key::name
    std::vector<Key> keys;
    std::vector<index::DivisionRecord> divisions;
    std::vector<index::CountryRecord> countries;  // `divisions` and `divisions2` set by Finish()
    std::vector<uint32_t> zones;
    StringPool strings;
};

class IndexBuilder {
public:
    // `divisionNames` of the first level, with "-" for a code known to have no
    // name; `division2Names` of the second; `forms`, more names of either.
    IndexBuilder(const DivisionNames& divisionNames, const DivisionNames& division2Names,
                 const DivisionForms& forms)
        : divisionNames_(divisionNames), division2Names_(division2Names), forms_(forms) {}

    // The index numbers no more places.
    bool full() const { return parts_.places.size() > index::kPlaceMask; }
    // Adds the place of `row`; false when the index can number no more divisions.
    // Throws std::invalid_argument or std::out_of_range on a malformed number.
    bool Add(const DumpRow& row);
    // After the last row: the division copies and each country's division words.
    void Finish();

    // First-level codes without a name, and how many places use each.
    const std::map<std::string, int>& unnamed() const { return unnamed_; }
    IndexParts& parts() { return parts_; }

private:
    uint16_t Country(std::string_view code);
    uint16_t Division(uint16_t country, const std::string& code, const QString& name,
                      const QString& letters, bool first);
    uint16_t FirstDivision(uint16_t country, const std::string& code, std::string_view own);
    uint16_t SecondDivision(uint16_t country, const std::string& code);
    uint16_t Zone(std::string_view id);
    void AddKeys(const std::string& text, bool own, uint32_t place, bool tails = true);
    void NoteDivision2(uint16_t division2, const std::string& code,
                       const QHash<QString, bool>& folded, uint32_t place);
    void AddDivisionCopies();

    const DivisionNames& divisionNames_;
    const DivisionNames& division2Names_;
    const DivisionForms& forms_;
    IndexParts parts_;
    std::unordered_map<std::string, uint32_t> nameIds_;
    std::map<std::string, uint16_t> divisionIds_, countryIds_, zoneIds_;
    std::map<std::string, int> unnamed_;
    std::vector<QStringList> countryDivisionWords_, countryDivision2Words_;  // by level
    // Second-level divisions: their folded names, whether a place is named
    // after one, and its largest place.
    std::unordered_map<uint16_t, QString> division2Folded_;
    std::unordered_map<uint16_t, bool> division2Named_;
    std::unordered_map<uint16_t, uint32_t> division2Largest_;
};

}  // namespace velnora::places::build
