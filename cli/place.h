// SPDX-License-Identifier: GPL-3.0-or-later
// --place: the offline gazetteer's answer turned into the form's values, and
// what the search decided said on standard error.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/options.h"
#include "places/places.h"

namespace velnora::cli {

// Looks up options.place and fills the form with the place's fields, except those
// whose options were given explicitly. Returns kOk, also for an ambiguous place
// (the likeliest is taken and the others named on `err`), or kRefused with the
// reason on `err`: no match, a near miss (with the suggestion), or places of that
// name in none of the state or country typed (up to five named).
// The place found is `taken`.
int ResolvePlaceOption(Options& options, std::optional<places::Place>& taken, std::ostream& err);

// The place taken as --json reports it, with the zone the evaluation used: the
// place's own at the time of work, or the texts of the zone options.
std::string PlaceJson(const places::Place& place, const Options& options);

}  // namespace velnora::cli
