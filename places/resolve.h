// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer as velnora-cli needs it, in the form's own texts and without Qt
// types: a place text and the date and time of work in, the coordinate and zone
// fields of the main form out, with what the search decided.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "places/named_by.h"

namespace velnora::places {

struct ResolvedPlace {
    std::string city, state, country, zoneId;  // UTF-8, as the gazetteer spells them
    double latitude = 0, longitude = 0;        // degrees, north and east positive
    std::string latDegrees, latMinutes;        // "18", "31"
    bool south = false;
    std::string lonDegrees, lonMinutes;  // "73", "51"
    bool east = true;
    std::string zoneHour, zoneMinute;  // west positive: "-5", "-30"
    std::string standsFor;  // the district found by its name, whose largest place this is
    std::string Describe()
        const;  // "Pune, Maharashtra, India (18° 31' N, 73° 51' E, Asia/Kolkata)"
};

enum class Resolution {
    Found,
    Ambiguous,     // taken: the likeliest of several that match equally (see Gazetteer::Search)
    Contradicted,  // nothing taken: none of the places so named is in the state or country typed
    Partial,       // nothing taken: `others` are named with only part of the city's words
    NotItsName,  // nothing taken: the first of `others` has the city's words as another name or in
                 // its name
    NearMiss,    // nothing taken: `others` are names a letter or two off
    NoMatch,
    NoGazetteer,  // the index cannot be opened; `others` holds the reason
};

struct PlaceResolution {
    Resolution outcome = Resolution::NoMatch;
    std::optional<ResolvedPlace> taken;  // Found and Ambiguous
    // Up to five places as "Springfield, Illinois, United States": the ones passed
    // over (Ambiguous), the candidates (Contradicted) or the suggestions (NearMiss).
    std::vector<std::string> others;
    std::string name;                     // the typed words read as the name, folded
    std::vector<std::string> against;     // Contradicted: the typed words no place fits
    std::vector<std::string> passedOver;  // Found, Ambiguous: typed words that named nothing
    NamedBy namedBy = NamedBy::OwnName;   // Found, Ambiguous: how `name` names the place taken
};

// Resolves `placeText` (city, state and country joined by blanks) with the zone
// offset that holds at the given local date and time of work (month 1..12); a
// date that does not exist, such as 31 February, takes the offset of the first
// of that month. Empty zone texts when the system's time-zone data does not know
// the place's zone.
PlaceResolution ResolvePlace(std::string_view placeText, int year, int month, int day, int hour,
                             int minute, int second);

}  // namespace velnora::places
