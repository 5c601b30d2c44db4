// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>
#include <array>

#include "cli/escape.h"
#include "planning/english.h"
#include "planning/listing.h"

namespace velnora::cli {
namespace {

constexpr std::string_view kUsageText =
    "Usage: velnora-cli --name TEXT --month January..December|Jan..Dec|1..12 --day 1..31\n"
    "                   --year 1901..2050"
    " --hour 0..23 --minute 0..59 --second 0..59\n"
    "                   --lat-deg TEXT --lat-min TEXT --lat-hemisphere N|S\n"
    "                   --lon-deg TEXT --lon-min TEXT --lon-hemisphere E|W\n"
    "                   --zone-hour TEXT --zone-minute TEXT\n"
    "                   [--city TEXT --state TEXT --country TEXT] [--json] [--table] [--hora]\n"
    "       velnora-cli --place \"CITY STATE COUNTRY\" [other options as above]\n"
    "       velnora-cli [place options] --now [--next [favorable|intermediate|NAME] [--clear]]\n"
    "                   [--json]\n"
    "       velnora-cli [place, date options] --days 1..366 [--table [--hora]] [--json]\n"
    "                   [--ics FILE|- [--ics-all] [--ics-clear] [--ics-alarm MINUTES]]\n"
    "\n"
    "Tells whether the time of work falls in a favorable Choghadiya period.\n"
    "The time zone is the hours to add to local time to get Greenwich time:\n"
    "west of Greenwich positive, east negative (India: --zone-hour -5 --zone-minute -30).\n"
    "A missing option is taken as the main window leaves it: empty text, first list entry.\n"
    "--place looks the place up in the offline gazetteer and takes its latitude, longitude\n"
    "and the zone offset in force at the time of work; options given explicitly still win.\n"
    "VELNORA_PLACE in the environment stands for --place when neither --place nor a\n"
    "latitude or longitude option is given.\n"
    "--now takes the date and time of work from the clock: the place's own zone with --place\n"
    "(daylight saving included), otherwise Greenwich time shifted by the zone options.\n"
    "--next gives the next favorable (intermediate, or so named) period from the time of work\n"
    "within eight days, or the one that holds it and how long it still runs. Names may be\n"
    "spelled as commonly written (Amrit, Shub, Laabh, Char, Kaal; favourable), in any case.\n"
    "--days N with --table lists N days of periods from the date of work; with --ics FILE\n"
    "it writes their favorable periods (--ics-all: every period) as an iCalendar file,\n"
    "- for standard output; --ics-alarm adds a reminder that many minutes (0..10080) before\n"
    "each event.\n"
    "With these options --name may be left out.\n"
    "--table also names each period's almanac marks (Vaar Vela, Kaal Vela, Kaal Ratri, Rahu\n"
    "Kaal, Yamaganda, Gulika Kaal) and the day's Abhijit Muhurat; --hora lists the 24 horas\n"
    "with their lords. --next ... --clear looks for a period that carries no mark;\n"
    "--ics-clear leaves the marked periods out of the calendar.\n"
    "A night's periods after midnight take the next date's weekday, as the evaluation does.\n"
    "\n"
    "Exit status: 0 result, 2 input refused, 3 no sunrise or sunset, 4 no such period\n"
    "within eight days (--next), 5 the days run past 12/31/2050, 64 usage error,\n"
    "74 calendar file not written.\n";

// A whole number within [min, max] written in decimal digits.
bool ParseListNumber(std::string_view text, int min, int max, int& value) {
    if (text.empty() || text.size() > 4) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < min || v > max) return false;
    value = v;
    return true;
}

// A month by name, its first three letters or its number 1..12.
bool ParseMonth(std::string_view text, int& position) {
    int number = 0;
    if (const auto month = MonthSpelled(text)) {
        number = *month;
    } else if (!ParseListNumber(text, 1, kMonthsInList, number)) {
        return false;
    }
    position = number - 1;
    return true;
}

// Options that set one field of the form; false when the value is not accepted.
using Setter = bool (*)(FormValues&, const std::string&);
struct FieldOption {
    std::string_view name;
    Setter set;
};

template <std::string FormValues::*text>
bool SetText(FormValues& f, const std::string& v) {
    f.*text = v;
    return true;
}

// A list option: the value's position in a list of consecutive numbers.
template <int FormValues::*position, int first, int last>
bool SetListNumber(FormValues& f, const std::string& v) {
    int number = 0;
    if (!ParseListNumber(v, first, last, number)) return false;
    f.*position = number - first;
    return true;
}

constexpr std::array<FieldOption, 18> kFieldOptions = {{
    {"--name", SetText<&FormValues::name>},
    {"--month", [](FormValues& f, const std::string& v) { return ParseMonth(v, f.month); }},
    {"--day", SetListNumber<&FormValues::day, 1, kDaysInList>},
    {"--year", SetListNumber<&FormValues::year, kFirstYear, kLastYear>},
    {"--hour", SetListNumber<&FormValues::hour, 0, 23>},
    {"--minute", SetListNumber<&FormValues::minute, 0, 59>},
    {"--second", SetListNumber<&FormValues::second, 0, 59>},
    {"--lat-deg", SetText<&FormValues::latDegrees>},
    {"--lat-min", SetText<&FormValues::latMinutes>},
    {"--lat-hemisphere",
     [](FormValues& f, const std::string& v) {
         f.south = v == "S";
         return v == "N" || v == "S";
     }},
    {"--lon-deg", SetText<&FormValues::lonDegrees>},
    {"--lon-min", SetText<&FormValues::lonMinutes>},
    {"--lon-hemisphere",
     [](FormValues& f, const std::string& v) {
         f.east = v == "E";
         return v == "E" || v == "W";
     }},
    {"--zone-hour", SetText<&FormValues::zoneHour>},
    {"--zone-minute", SetText<&FormValues::zoneMinute>},
    {"--city", SetText<&FormValues::city>},
    {"--state", SetText<&FormValues::state>},
    {"--country", SetText<&FormValues::country>},
}};

bool* FlagOption(Options& o, std::string_view name) {
    if (name == "--json") return &o.json;
    if (name == "--table") return &o.table;
    if (name == "--hora") return &o.hora;
    if (name == "--help" || name == "-h") return &o.help;
    if (name == "--version") return &o.version;
    return nullptr;
}

}  // namespace

std::string_view UsageText() { return kUsageText; }

bool ParseArguments(const std::vector<std::string>& args, Options& o, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            hasValue = true;
        }
        if (name == "--place") {
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    error = "option --place needs a value";
                    return false;
                }
                value = args[++i];
            }
            if (value.empty()) {
                error = "option --place needs a value";
                return false;
            }
            o.place = value;
            continue;
        }
        switch (ParsePlanOption(args, i, name, hasValue, value, o.plan, error)) {
            case Taken::Yes:
                continue;
            case Taken::Error:
                return false;
            case Taken::No:
                break;
        }
        if (bool* flag = FlagOption(o, name)) {
            if (hasValue) {
                error = "option " + name + " takes no value";
                return false;
            }
            *flag = true;
            continue;
        }
        const auto option = std::find_if(kFieldOptions.begin(), kFieldOptions.end(),
                                         [&](const FieldOption& f) { return f.name == name; });
        if (option == kFieldOptions.end()) {
            error = "unknown option " + Visible(name);
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!option->set(o.form, value)) {
            error = "option " + name + " does not take \"" + Visible(value) + "\"";
            return false;
        }
        o.given.insert(name);
        NoteFieldOption(name, o.plan);
    }
    return CheckPlanOptions(o, error);
}

}  // namespace velnora::cli
