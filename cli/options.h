// SPDX-License-Identifier: GPL-3.0-or-later
// velnora-cli's command line: the main form's fields as options, the planning
// options, and what --place found, in one value that the run reads.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/plan.h"
#include "core/zone_offset.h"
#include "workflow/form_values.h"

namespace velnora::cli {

inline constexpr int kMaxAlarmMinutes = 10080;  // --ics-alarm: a week

struct Options {
    FormValues form;  // a missing option leaves the field as the form starts
    bool json = false;
    bool table = false;
    bool hora = false;  // the 24 horas of each date
    bool help = false;
    bool version = false;
    std::string place;       // --place: find position and zone in the gazetteer
    std::string placeTaken;  // what the gazetteer found, said in the output
    std::string placeJson;   // the same in parts, for --json
    // The zone the place keeps at the time of work, standing for the zone options
    // when neither is given; empty when one is, or the zone is unknown.
    std::optional<ZoneOffset> placeZone;
    PlanOptions plan;  // --now, --next, --days, --ics
    // The form options given on the command line ("--lat-deg"), which win over
    // what a place supplies.
    std::set<std::string, std::less<>> given;
    bool Given(std::string_view option) const { return given.count(option) > 0; }
};

// Parses argv[1..]; on a usage error returns false with `error` set.
bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error);

// What --help prints.
std::string_view UsageText();

}  // namespace velnora::cli
