// SPDX-License-Identifier: GPL-3.0-or-later
// The planning options of velnora-cli as the command line gives them: --now,
// --next, --days, --ics and their companions, read one by one and then checked
// together.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planning/listing.h"

namespace velnora::cli {

struct Options;

struct PlanOptions {
    bool now = false;
    bool next = false;
    PeriodWanted wanted{Verdict::Favorable, {}};  // --next: a verdict or a period name
    int days = 0;                                 // --days; 0 when not given
    std::string ics;                              // --ics FILE, "-" for standard output
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

// Takes a planning option at args[i] (`name` and an `=value` already split off);
// a value given as the next argument moves `i` on.
Taken ParsePlanOption(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                      bool hasValue, const std::string& value, PlanOptions& plan,
                      std::string& error);
// Notes a form option given on the command line.
void NoteFieldOption(std::string_view name, PlanOptions& plan);
// Refuses combinations that make no sense; false with `error` set.
bool CheckPlanOptions(const Options& options, std::string& error);

}  // namespace velnora::cli
