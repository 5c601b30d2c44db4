// SPDX-License-Identifier: GPL-3.0-or-later
// --place: the offline gazetteer's answer turned into the form's values, and
// what the search decided said on standard error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace velnora::cli {

// Looks up options.place and fills `placed` with the place's fields, then the
// options given explicitly over them. Returns kOk, also for an ambiguous place
// (the likeliest is taken and the others named on `err`), or kRefused with
// the reason on `err`: no match, a near miss (with the suggestion), or places of
// that name in none of the state or country typed (up to five named).
int ResolvePlaceOption(const std::vector<std::string>& args, const Options& options,
                       Options& placed, std::ostream& err);

}  // namespace velnora::cli
