// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer as velnora-cli needs it: a place text and the date and time of
// work in; the place taken, the zone offset in force there at that time, and
// what the search decided out, as values that velnora-cli puts into words.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_time.h"
#include "core/zone_offset.h"
#include "places/places.h"

namespace velnora::places {

enum class Resolution {
    Found,
    Ambiguous,     // taken: the likeliest of several that match equally (see Gazetteer::Search)
    Contradicted,  // nothing taken: none of the places so named is in the state or country typed
    Partial,       // nothing taken: `others` are named with only part of the city's words
    // nothing taken: the first of `others` has the city's words as another name
    // or in its name
    NotItsName,
    NearMiss,  // nothing taken: `others` are names a letter or two off
    NoMatch,
    NoGazetteer,  // the index cannot be opened, for `problem`
};

struct PlaceResolution {
    Resolution outcome = Resolution::NoMatch;
    std::optional<Place> taken;  // Found and Ambiguous
    // The taken place's offset at the time of work; empty when the system's
    // time-zone data does not know its zone.
    std::optional<ZoneOffset> zone;
    // Up to five places: the ones passed over (Ambiguous), the candidates
    // (Contradicted, Partial) or the suggestions (NearMiss).
    std::vector<Place> others;
    IndexProblem problem;                 // NoGazetteer
    std::string name;                     // the typed words read as the name, folded
    std::vector<std::string> against;     // Contradicted: the typed words no place fits
    std::vector<std::string> passedOver;  // Found, Ambiguous: typed words that named nothing
    NamedBy namedBy = NamedBy::OwnName;   // Found, Ambiguous: how `name` names the place taken
};

// Resolves `placeText` (city, state and country joined by blanks) with the zone
// offset that holds at the given local date and time of work; a date that does
// not exist, such as 31 February, takes the offset of the first of that month.
PlaceResolution ResolvePlace(std::string_view placeText, const Date& date, const ClockTime& time);

}  // namespace velnora::places
