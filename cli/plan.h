// SPDX-License-Identifier: GPL-3.0-or-later
// What the planning options of velnora-cli do: --now, --next, --days with
// --table and --ics. They run on the same validation and evaluation as a single
// result.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/periods.h"
#include "cli/plan_options.h"
#include "core/clock.h"
#include "planning/almanac.h"
#include "planning/listing.h"

namespace velnora::cli {

struct Options;

// What a run knows of the place's clocks; both empty when the zone is the form's
// own on every date.
struct PlaceClocks {
    ZoneForDate zoneFor;
    WallReading wall;
    // How times of `zone` are written: as the place's clocks show them.
    DateTimeFormatter Text(const ZoneOffset& zone) const;
    // The same in ISO 8601 with the offset in force at each moment.
    DateTimeFormatter Iso(const ZoneOffset& zone) const;
};

// --now with a fixed zone: the present moment on the clocks of the form's zone
// fields becomes the date and time of work. Fields that are not a zone leave the
// form as it is, for the evaluation to refuse.
void TakeTimeOfWorkFromClock(FormValues& form, const Clock& clock);
void SetTimeOfWork(FormValues& form, const Date& date, const ClockTime& time);

// The form as the evaluation is to see it: a plan needs no name.
FormValues PlanForm(const Options& options);
// The form read as a plan on the place's clocks, or why it cannot be read.
std::variant<Plan, Failure> PlanOf(const Options& options, const PlaceClocks& clocks);

// One list of periods of --table: the night before sunrise (only when the time
// of work lies in it), the day, the night after sunset.
struct TableSection {
    std::string_view heading;  // the text output's
    std::string_view key;      // the JSON's: "nightBefore", "day", "night"
    std::vector<Period> periods;
    std::vector<Marks> almanac;  // the almanac marks beside each period
    PeriodMarks marks;
};
struct DateTable {
    std::vector<TableSection> sections;
    std::optional<TimeSpan> abhijit;  // of the date of work; none on Wednesday
    std::vector<Hora> horas;          // of the date of work
    PeriodMarks marks;                // how the horas' and Abhijit's times are written
};
// The sections of --table for the evaluation `work` of the plan's date of work,
// with the date's Abhijit Muhurat and horas.
DateTable TableOf(const Plan& plan, const Evaluation& work, const PlaceClocks& clocks);

// Runs --next or --days with --table and/or --ics.
int RunPlan(const Options& options, const Clock& clock, const PlaceClocks& clocks,
            std::ostream& out, std::ostream& err);

}  // namespace velnora::cli
