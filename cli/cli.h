// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line evaluator: the main form's values as options, the same
// validation and evaluation as "Proceed", and the result as text or JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/plan.h"
#include "core/clock.h"
#include "workflow/form_values.h"

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

inline constexpr int kMaxDays = 366;  // --days

// The place --place took, as --json reports it with the zone texts the form used.
struct TakenPlace {
    std::string name, division, country, zone;  // zone: IANA id
    double latitude = 0, longitude = 0;         // degrees, north and east positive
};

struct Options {
    FormValues form;  // a missing option leaves the field as the form starts
    bool json = false;
    bool table = false;
    bool help = false;
    bool version = false;
    std::string place;       // --place: find position and zone in the gazetteer
    std::string placeTaken;  // what the gazetteer found, said in the output
    TakenPlace taken;        // the same in parts, for --json
    PlanOptions plan;        // --now, --next, --days, --ics
};

// Parses argv[1..]; on a usage error returns false with `error` set.
bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error);

// Runs the evaluation and writes the result to `out` or the message to `err`.
int Run(const Options& options, const PlaceClocks& clocks, std::ostream& out, std::ostream& err);

// Everything main() does: parse, resolve --place, run, report. Options given
// explicitly win over what the place supplies.
// The clock gives the time of work for --now and the stamp of a calendar file.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const Clock& clock = SystemClock{});

// A JSON string literal of `text`; bytes that are not UTF-8 become U+FFFD, so the
// output is always valid UTF-8.
std::string JsonQuote(std::string_view text);

// The "place" object of --json: the place taken and the zone texts of `options.form`.
std::string PlaceJson(const Options& options);

// `text` for a terminal: control characters shown as \n, \r, \t or \xNN (C1 ones
// as \uNNNN) and bytes that are not UTF-8 as \xNN, so a user's text can neither
// forge an output line nor reach the terminal as an escape sequence.
std::string Visible(std::string_view text);

}  // namespace velnora::cli
