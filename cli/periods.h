// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of periods as velnora-cli writes them, in text and in JSON, shared by
// --table, --days and --next.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/english.h"
#include "workflow/evaluation.h"

namespace velnora::cli {

// velnora-cli speaks English only.
using namespace english;

inline constexpr std::string_view kDayPeriodsHeading = "Day periods (sunrise to sunset):";
inline constexpr std::string_view kNightPeriodsHeading =
    "Night periods (sunset to next sunrise; after midnight by the next date's weekday):";
inline constexpr std::string_view kNightBeforeHeading =
    "Night periods before sunrise (from the previous sunset; after midnight by this date's "
    "weekday):";

// How a list of periods is written: how a time of the periods' zone is shown
// (with --place, as the place's clocks show that moment), and the evaluation
// whose time of work is marked, if any.
struct PeriodMarks {
    DateTimeFormatter time = UsGeneralDate;
    DateTimeFormatter iso;  // the same moments in ISO 8601 with their offset, for JSON
    const Evaluation* work = nullptr;
    std::int64_t shift = 0;  // added to the time of work to read it in the periods' zone
    bool Holds(const Period& period) const;
};

// One period as a JSON object on one line; the one that holds the time of work
// has "timeOfWork": true.
void WriteJsonPeriod(std::ostream& out, const Period& period, const PeriodMarks& marks = {});
void WriteJsonPeriods(std::ostream& out, std::span<const Period> periods,
                      const PeriodMarks& marks = {});

// A heading and one line per period; the one that holds the time of work is marked.
void WriteTextPeriods(std::ostream& out, std::string_view heading, std::span<const Period> periods,
                      const PeriodMarks& marks = {});

}  // namespace velnora::cli
