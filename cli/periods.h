// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of periods as velnora-cli writes them, in text and in JSON, shared by
// --table, --days and --next.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "cli/english.h"
#include "workflow/evaluation.h"

namespace velnora::cli {

inline constexpr std::string_view kDayPeriodsHeading = "Day periods (sunrise to sunset):";
inline constexpr std::string_view kNightPeriodsHeading =
    "Night periods (sunset to next sunrise; after midnight by the next date's weekday):";

// One period as a JSON object on one line.
void WriteJsonPeriod(std::ostream& out, const Period& period);
void WriteJsonPeriods(std::ostream& out, std::span<const Period> periods);

// A heading and one line per period; with `work`, the period that holds its time
// of work is marked.
void WriteTextPeriods(std::ostream& out, std::string_view heading, std::span<const Period> periods,
                      const Evaluation* work);

}  // namespace velnora::cli
