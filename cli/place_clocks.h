// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks of a place --place found: the offset in force on each date and the
// wall-clock reading of every moment, daylight saving included, from zoneinfo.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/options.h"
#include "cli/plan.h"
#include "core/clock.h"

namespace velnora::cli {

// The place's own zone on each date, daylight saving included, unless the zone
// was given explicitly; with --now, the present moment on the place's clock
// becomes the time of work. A typed time of work that the clocks show twice or
// skip is taken as one of them, and `err` is told which.
PlaceClocks PlaceClocksOf(Options& options, const std::string& zoneId, const Clock& clock,
                          std::ostream& err);

}  // namespace velnora::cli
