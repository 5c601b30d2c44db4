// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line evaluator: the main form's values as options, the same
// validation and evaluation as "Proceed", and the result as text or JSON.
// Options are read in options.*, --place resolved in place.* and its clocks in
// place_clocks.*, one result reported in report.*, the planning options run in
// plan.*, and user texts escaped in escape.*.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/escape.h"
#include "cli/options.h"
#include "cli/plan.h"
#include "cli/report.h"
#include "core/clock.h"

namespace velnora::cli {

enum ExitStatus : int {
    kOk = 0,
    kRefused = 2,          // validation or time-zone message
    kNoSunriseSunset = 3,  // polar day or night on one of the three days
    kNoneWithinDays = 4,   // --next: no such period within eight days
    kPastLastDate = 5,     // --days, --next: the days run past the last date of the year list
    kUsage = 64,
    kCannotWrite = 74,  // --ics: the file cannot be written
};

// Everything main() does: parse, resolve --place, run, report. Options given
// explicitly win over what the place supplies.
// The clock gives the time of work for --now and the stamp of a calendar file.
// `environmentPlace` (VELNORA_PLACE) stands for --place when neither --place nor
// a latitude or longitude option is given.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const Clock& clock = SystemClock{}, std::string_view environmentPlace = {});

}  // namespace velnora::cli
