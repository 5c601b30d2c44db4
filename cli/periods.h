// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of periods as velnora-cli writes them, in text and in JSON, shared by
// --table, --days and --next.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "core/almanac.h"
#include "planning/english.h"
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

// ISO 8601: "2024-03-10", and "2024-03-10T07:16:00-04:00" for a clock reading and
// the offset in force then (seconds east of Greenwich; seconds are written only
// for an offset that is no whole number of minutes).
std::string IsoDate(const Date& date);
std::string IsoDateTime(const LocalDateTime& reading, std::int64_t secondsEast);

// ["kaalVela", "gulikaKaal"]: the code names of the almanac marks, [] for none.
void WriteJsonMarks(std::ostream& out, Marks marks);

// One period as a JSON object on one line, with the almanac marks it carries
// (`almanac`, beside each period); the one that holds the time of work has
// "timeOfWork": true.
void WriteJsonPeriod(std::ostream& out, const Period& period, Marks almanac,
                     const PeriodMarks& marks = {});
void WriteJsonPeriods(std::ostream& out, std::span<const Period> periods,
                      std::span<const Marks> almanac, const PeriodMarks& marks = {});

// A heading and one line per period, with its almanac marks in words; the one
// that holds the time of work is marked.
void WriteTextPeriods(std::ostream& out, std::string_view heading, std::span<const Period> periods,
                      std::span<const Marks> almanac, const PeriodMarks& marks = {});

}  // namespace velnora::cli
