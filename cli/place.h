// SPDX-License-Identifier: GPL-3.0-or-later
// --place: the offline gazetteer's answer turned into the form's values, and
// what the search decided said on standard error.
#pragma once

#include <iosfwd>

#include "cli/options.h"

namespace velnora::cli {

// Looks up options.place and fills the form with the place's fields, except those
// whose options were given explicitly. Returns kOk, also for an ambiguous place
// (the likeliest is taken and the others named on `err`), or kRefused with the
// reason on `err`: no match, a near miss (with the suggestion), or places of that
// name in none of the state or country typed (up to five named).
int ResolvePlaceOption(Options& options, std::ostream& err);

}  // namespace velnora::cli
