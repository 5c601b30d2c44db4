// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string_view>
#include <variant>

#include "cli/periods.h"
#include "workflow/evaluation.h"
#ifdef VELNORA_PLACES
#include "cli/place.h"
#include "places/zone_clock.h"
#endif

namespace velnora::cli {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong
// forms, no surrogates, nothing above U+10FFFF), or 0 when its first byte does not
// begin one.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

// Walks `text` character by character: `valid` gets each well-formed UTF-8
// sequence, `invalid` each byte that is not part of one.
template <typename Valid, typename Invalid>
void ForEachCharacter(std::string_view text, Valid valid, Invalid invalid) {
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            invalid(static_cast<unsigned char>(text.front()));
            text.remove_prefix(1);
        } else {
            valid(text.substr(0, length));
            text.remove_prefix(length);
        }
    }
}

std::string Hex(const char* format, unsigned value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

std::string JsonQuote(std::string_view text) {
    std::string r;
    r.reserve(text.size() + 2);
    r += '"';
    ForEachCharacter(
        text,
        [&](std::string_view character) {
            const auto c = static_cast<unsigned char>(character.front());
            switch (c) {
                case '"':
                    r += "\\\"";
                    break;
                case '\\':
                    r += "\\\\";
                    break;
                case '\n':
                    r += "\\n";
                    break;
                case '\r':
                    r += "\\r";
                    break;
                case '\t':
                    r += "\\t";
                    break;
                default:
                    if (c < 0x20) {
                        r += Hex("\\u%04x", c);
                    } else {
                        r += character;
                    }
            }
        },
        [&](unsigned char) { r += "\uFFFD"; });
    r += '"';
    return r;
}

std::string Visible(std::string_view text) {
    std::string r;
    ForEachCharacter(
        text,
        [&](std::string_view character) {
            const auto c = static_cast<unsigned char>(character.front());
            if (c == '\n') {
                r += "\\n";
            } else if (c == '\r') {
                r += "\\r";
            } else if (c == '\t') {
                r += "\\t";
            } else if (c < 0x20 || c == 0x7F) {
                r += Hex("\\x%02x", c);
            } else if (c == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0) {
                r += Hex("\\u%04x", static_cast<unsigned char>(character[1]));  // U+0080..U+009F
            } else {
                r += character;
            }
        },
        [&](unsigned char byte) { r += Hex("\\x%02x", byte); });
    return r;
}

std::string PlaceJson(const Options& o) {
    const TakenPlace& p = o.taken;
    std::ostringstream out;
    out << std::setprecision(7) << "{\"name\": " << JsonQuote(p.name)
        << ", \"division\": " << JsonQuote(p.division) << ", \"country\": " << JsonQuote(p.country)
        << ", \"latitude\": " << p.latitude << ", \"longitude\": " << p.longitude
        << ", \"zone\": " << JsonQuote(p.zone) << ", \"zoneHour\": " << JsonQuote(o.form.zoneHour)
        << ", \"zoneMinute\": " << JsonQuote(o.form.zoneMinute) << '}';
    return out.str();
}

namespace {

constexpr std::string_view kUsageText =
    "Usage: velnora-cli --name TEXT --month January..December --day 1..31 --year 1901..2050\n"
    "                   --hour 0..23 --minute 0..59 --second 0..59\n"
    "                   --lat-deg TEXT --lat-min TEXT --lat-hemisphere N|S\n"
    "                   --lon-deg TEXT --lon-min TEXT --lon-hemisphere E|W\n"
    "                   --zone-hour TEXT --zone-minute TEXT\n"
    "                   [--city TEXT --state TEXT --country TEXT] [--json] [--table]\n"
    "       velnora-cli --place \"CITY STATE COUNTRY\" [other options as above]\n"
    "       velnora-cli [place options] --now [--next [favorable|intermediate|NAME]] [--json]\n"
    "       velnora-cli [place, date options] --days 1..366 [--table] [--json]\n"
    "                   [--ics FILE|- [--ics-all]]\n"
    "\n"
    "Tells whether the time of work falls in a favorable Choghadiya period.\n"
    "The time zone is the hours to add to local time to get Greenwich time:\n"
    "west of Greenwich positive, east negative (India: --zone-hour -5 --zone-minute -30).\n"
    "A missing option is taken as the main window leaves it: empty text, first list entry.\n"
    "--place looks the place up in the offline gazetteer and takes its latitude, longitude\n"
    "and the zone offset in force at the time of work; options given explicitly still win.\n"
    "--now takes the date and time of work from the clock: the place's own zone with --place\n"
    "(daylight saving included), otherwise Greenwich time shifted by the zone options.\n"
    "--next gives the next favorable (intermediate, or so named) period from the time of work\n"
    "within eight days, or the one that holds it and how long it still runs.\n"
    "--days N with --table lists N days of periods from the date of work; with --ics FILE\n"
    "it writes their favorable periods (--ics-all: every period) as an iCalendar file,\n"
    "- for standard output. With these options --name may be left out.\n"
    "A night's periods after midnight take the next date's weekday, as the evaluation does.\n"
    "\n"
    "Exit status: 0 result, 2 input refused, 3 no sunrise or sunset, 4 no such period\n"
    "within eight days (--next), 64 usage error, 74 calendar file not written.\n";

// The captions of the text output, in the order of kResultLabels.
constexpr std::array<std::string_view, 16> kCaptions = {
    "Name",
    "Date of Work",
    "Time of Work",
    "Latitude",
    "Longitude",
    "City",
    "State",
    "Country",
    "Sun Rise (day before)",
    "Sun Set (day before)",
    "Sun Rise",
    "Sun Set",
    "Sun Rise (day after)",
    "Sun Set (day after)",
    "Time Period",
    "Choghadiya",
};

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

bool ParseMonth(std::string_view text, int& position) {
    auto lower = [](std::string_view s) {
        std::string r(s);
        std::transform(r.begin(), r.end(), r.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return r;
    };
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (lower(kMonthNames[i]) == lower(text)) {
            position = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

void WriteJson(std::ostream& out, const Evaluation& e, bool table, const std::string& place) {
    out << "{\n";
    if (!place.empty()) out << "  \"place\": " << place << ",\n";
    const auto texts = ResultTexts(e.result);
    for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
        out << "  " << JsonQuote(kResultLabels[i]) << ": " << JsonQuote(texts[i])
            << (i + 1 < kResultLabels.size() || table ? ",\n" : "\n");
    }
    if (table) {
        out << "  \"periods\": {\n    \"day\": ";
        WriteJsonPeriods(out, DayPeriods(e));
        out << ",\n    \"night\": ";
        WriteJsonPeriods(out, NightPeriods(e));
        out << "\n  }\n";
    }
    out << "}\n";
}

void WriteText(std::ostream& out, const Evaluation& e, bool table, const std::string& place) {
    if (!place.empty()) out << "Place taken: " << Visible(place) << "\n\n";
    std::size_t width = 0;
    for (auto c : kCaptions) width = std::max(width, c.size());
    const auto texts = ResultTexts(e.result);
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        out << std::left << std::setw(static_cast<int>(width + 1))
            << (std::string(kCaptions[i]) + ":") << ' ' << Visible(texts[i]) << '\n';
    }
    if (table) {
        WriteTextPeriods(out, kDayPeriodsHeading, DayPeriods(e), &e);
        WriteTextPeriods(out, kNightPeriodsHeading, NightPeriods(e), &e);
    }
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
    if (name == "--help" || name == "-h") return &o.help;
    if (name == "--version") return &o.version;
    return nullptr;
}

#ifdef VELNORA_PLACES
// The place's own zone on each date, daylight saving included, unless the zone
// was given explicitly; with --now, the present moment on the place's clock.
ZoneForDate PlaceZone(Options& o, const std::string& zoneId, const Clock& clock) {
    if (o.plan.zoneGiven) {
        if (o.plan.now) TakeTimeOfWorkFromClock(o.form, clock.now());
        return [](const Date&, FormValues&) {};
    }
    if (o.plan.now) {
        if (const auto m = places::LocalMomentAt(zoneId, clock.now().time_since_epoch().count())) {
            SetTimeOfWork(o.form, {m->year, m->month, m->day}, {m->hour, m->minute, m->second});
            o.form.zoneHour = std::to_string(m->zone.hours);
            o.form.zoneMinute = std::to_string(m->zone.minutes);
        }
    }
    return [zoneId](const Date& d, FormValues& f) {
        if (const auto z =
                places::ZoneOffsetAt(zoneId, d.year, d.month, d.day, f.hour, f.minute, f.second)) {
            f.zoneHour = std::to_string(z->hours);
            f.zoneMinute = std::to_string(z->minutes);
        }
    };
}
#endif

}  // namespace

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
        NoteFieldOption(name, o.plan);
    }
    return CheckPlanOptions(o, error);
}

int Run(const Options& o, std::ostream& out, std::ostream& err) {
    Outcome outcome = Evaluate(PlanForm(o));
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        err << failure->message.text() << '\n';
        return failure->kind == FailureKind::NoSunriseSunset ? kNoSunriseSunset : kRefused;
    }
    auto& e = std::get<Evaluation>(outcome);
    e.result.name = o.form.name;  // a plan may leave the name out
    if (o.json) {
        WriteJson(out, e, o.table, o.placeTaken.empty() ? std::string() : PlaceJson(o));
    } else {
        WriteText(out, e, o.table, o.placeTaken);
    }
    return kOk;
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const Clock& clock) {
    const auto run = [&](Options& o, const ZoneForDate& zoneFor) {
        if (o.plan.now && !zoneFor) TakeTimeOfWorkFromClock(o.form, clock.now());
        return o.plan.Lists() ? RunPlan(o, clock, zoneFor, out, err) : Run(o, out, err);
    };
    Options options;
    std::string error;
    if (!ParseArguments(args, options, error)) {
        err << "velnora-cli: " << error << "\n\n" << kUsageText;
        return kUsage;
    }
    if (options.help) {
        out << kUsageText;
        return kOk;
    }
    if (options.version) {
        out << "velnora-cli " << VELNORA_VERSION << '\n';
        return kOk;
    }
    if (!options.place.empty()) {
#ifdef VELNORA_PLACES
        Options placed;
        if (const int status = ResolvePlaceOption(args, options, placed, err); status != kOk)
            return status;
        return run(placed, PlaceZone(placed, placed.taken.zone, clock));
#else
        err << "velnora-cli: this build has no gazetteer for --place\n";
        return kUsage;
#endif
    }
    return run(options, {});
}

}  // namespace velnora::cli
