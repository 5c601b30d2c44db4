// SPDX-License-Identifier: GPL-3.0-or-later
// The report of one result: the sixteen texts of the result window as aligned
// caption lines or as JSON, with the day's periods when --table asks for them.
#pragma once

#include <iosfwd>

#include "cli/options.h"
#include "cli/plan.h"

namespace velnora::cli {

// Runs the evaluation and writes the result to `out` or the message to `err`.
int Run(const Options& options, const PlaceClocks& clocks, std::ostream& out, std::ostream& err);

}  // namespace velnora::cli
