// SPDX-License-Identifier: GPL-3.0-or-later
// The planning options of velnora-cli: --now, --next, --days and --ics. They run
// on the same validation and evaluation as a single result.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/periods.h"
#include "core/clock.h"
#include "planning/almanac.h"
#include "planning/listing.h"

namespace velnora::cli {

struct Options;

struct PlanOptions {
    bool now = false;
    bool next = false;
    std::string wanted = "favorable";  // --next: favorable, intermediate or a period name
    int days = 0;                      // --days; 0 when not given
    std::string ics;                   // --ics FILE, "-" for standard output
    bool icsAll = false;
    bool icsClear = false;  // --ics-clear: leave out the periods that carry an almanac mark
    bool clear = false;     // --clear: --next finds a period that carries no almanac mark
    std::optional<int> alarmMinutes;  // --ics-alarm: a reminder this long before each event
    bool dateOrTimeGiven = false;     // one of --month, --day, --year, --hour, --minute, --second
    bool zoneGiven = false;           // --zone-hour or --zone-minute
    bool Lists() const { return next || days > 0; }              // RunPlan's work
    bool Any() const { return now || Lists() || !ics.empty(); }  // the name may be left out
};

enum class Taken { No, Yes, Error };

// A moment as the place's own clocks show it, daylight saving included.
struct WallTime {
    LocalDateTime reading;
    std::int64_t secondsEast = 0;  // the offset in force then, east of Greenwich positive
};
// A time read in `zone` as the place's own clocks show that moment.
using WallClock = std::function<WallTime(const LocalDateTime& time, const ZoneOffset& zone)>;

// What a run knows of the place's clocks; both empty when the zone is the form's
// own on every date.
struct PlaceClocks {
    ZoneForDate zoneFor;
    WallClock wall;
    // How times of `zone` are written: as the place's clocks show them.
    DateTimeFormatter Text(const ZoneOffset& zone) const;
    // The same in ISO 8601 with the offset in force at each moment.
    DateTimeFormatter Iso(const ZoneOffset& zone) const;
};

// Takes a planning option at args[i] (`name` and an `=value` already split off);
// a value given as the next argument moves `i` on.
Taken ParsePlanOption(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                      bool hasValue, const std::string& value, PlanOptions& plan,
                      std::string& error);
// Notes a form option given on the command line.
void NoteFieldOption(std::string_view name, PlanOptions& plan);
// Refuses combinations that make no sense; false with `error` set.
bool CheckPlanOptions(const Options& options, std::string& error);

// --now with a fixed zone: the present Greenwich time shifted by the form's zone
// fields becomes the date and time of work. Fields that are not a zone leave the
// form as it is, for the evaluation to refuse.
void TakeTimeOfWorkFromClock(FormValues& form, std::chrono::sys_seconds now);
void SetTimeOfWork(FormValues& form, const Date& date, const ClockTime& time);

// The form as the evaluation is to see it: a plan needs no name.
FormValues PlanForm(const Options& options);

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
    DayAlmanac almanac;  // of the date of work: its Abhijit Muhurat and horas
    PeriodMarks marks;   // how the date's times are written
};
// The sections of --table for the evaluation `work` of `form`, each listed from
// its own date, as --days lists it.
DateTable TableOf(const FormValues& form, const Evaluation& work, const PlaceClocks& clocks);

// Runs --next or --days with --table and/or --ics.
int RunPlan(const Options& options, const Clock& clock, const PlaceClocks& clocks,
            std::ostream& out, std::ostream& err);

}  // namespace velnora::cli
