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
#include "planning/utf8.h"
#include "workflow/evaluation.h"
#ifdef VELNORA_PLACES
#include "cli/place.h"
#include "places/zone_clock.h"
#include "workflow/numbers.h"
#endif

namespace velnora::cli {

namespace {

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
        [&](unsigned char) { r += kReplacementCharacter; });
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
    "within eight days (--next), 5 the days run past 12/31/2050, 64 usage error,\n"
    "74 calendar file not written.\n";

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

void WriteJson(std::ostream& out, const Evaluation& e, const DateTimeFormatter& time,
               const std::vector<TableSection>* table, const std::string& place) {
    out << "{\n";
    if (!place.empty()) out << "  \"place\": " << place << ",\n";
    const auto texts = ResultTexts(e.result, time);
    for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
        out << "  " << JsonQuote(kResultLabels[i]) << ": " << JsonQuote(texts[i])
            << (i + 1 < kResultLabels.size() || table ? ",\n" : "\n");
    }
    if (table) {
        out << "  \"periods\": {";
        for (std::size_t i = 0; i < table->size(); ++i) {
            const TableSection& section = (*table)[i];
            out << (i ? ",\n    " : "\n    ") << JsonQuote(section.key) << ": ";
            WriteJsonPeriods(out, section.periods, section.marks);
        }
        out << "\n  }\n";
    }
    out << "}\n";
}

void WriteText(std::ostream& out, const Evaluation& e, const DateTimeFormatter& time,
               const std::vector<TableSection>* table, const std::string& place) {
    if (!place.empty()) out << "Place taken: " << Visible(place) << "\n\n";
    std::size_t width = 0;
    for (auto c : kCaptions) width = std::max(width, c.size());
    const auto texts = ResultTexts(e.result, time);
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        out << std::left << std::setw(static_cast<int>(width + 1))
            << (std::string(kCaptions[i]) + ":") << ' ' << Visible(texts[i]) << '\n';
    }
    if (table) {
        for (const TableSection& section : *table) {
            WriteTextPeriods(out, section.heading, section.periods, section.marks);
        }
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
// False only for a date the zone's clocks jumped over whole (Samoa's 30 December
// 2011, on crossing the date line): none of its start, noon and last second,
// each taken at the offset the zone gives it, reads back as that date.
bool DateOnTheClocks(const places::ZoneClock& tz, const Date& d) {
    for (const ClockTime t : {ClockTime{0, 0, 0}, ClockTime{12, 0, 0}, ClockTime{23, 59, 59}}) {
        const auto z = tz.OffsetAt(d.year, d.month, d.day, t.hour, t.minute, t.second);
        if (!z) return true;  // no answer: the form's zone stands
        const auto back = tz.LocalMomentAt(LocalDateTime::From(d, t).seconds + ZoneSeconds(*z));
        if (!back || Date{back->year, back->month, back->day} == d) return true;
    }
    return false;
}

LocalDateTime ReadingOf(const places::LocalMoment& m) {
    return LocalDateTime::From({m.year, m.month, m.day}, {m.hour, m.minute, m.second});
}

// How a clock reading of the place stands for a moment.
enum class Reading { Once, Twice, Skipped };

struct Moment {
    places::LocalMoment local;  // as the place's clocks show it, with the offset then
    ZoneOffset zone;            // the offset that reads the reading as this moment
    Reading reading = Reading::Once;
};

// The moment a reading of the place's clocks on `d` at `t` stands for. A reading
// shown twice (the hour repeated when the clocks go back) is the first of them;
// one the clocks skip is read at the offset in force before the skip, so it
// lands as much later as they jumped. Empty for an unknown zone.
std::optional<Moment> MomentOf(const places::ZoneClock& tz, const Date& d, const ClockTime& t) {
    const std::int64_t reading = LocalDateTime::From(d, t).seconds;
    std::optional<std::int64_t> first, earlierEast;
    ZoneOffset earlierZone;
    bool twice = false;
    // A day either side covers the offsets in force before and after any change
    // near the reading.
    for (const std::int64_t probe : {reading - 86400, reading + 86400}) {
        const auto around = tz.LocalMomentAt(probe);
        if (!around) return std::nullopt;
        const std::int64_t east = ReadingOf(*around).seconds - probe;
        if (!earlierEast) {
            earlierEast = east;
            earlierZone = around->zone;
        }
        const std::int64_t utc = reading - east;
        const auto back = tz.LocalMomentAt(utc);
        if (!back || ReadingOf(*back).seconds != reading) continue;
        if (!first) {
            first = utc;
        } else if (*first != utc) {
            twice = true;
            first = std::min(*first, utc);
        }
    }
    const std::int64_t utc = first ? *first : reading - *earlierEast;
    const auto local = tz.LocalMomentAt(utc);
    if (!local) return std::nullopt;
    if (!first) return Moment{*local, earlierZone, Reading::Skipped};
    return Moment{*local, local->zone, twice ? Reading::Twice : Reading::Once};
}

// "UTC-04:00" for the zone hours 4, minutes 0 (hours west of Greenwich positive).
std::string UtcOffsetText(const ZoneOffset& z) {
    const std::int64_t east = -ZoneSeconds(z);
    char text[16];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", east < 0 ? '-' : '+',
                  static_cast<int>(std::abs(east) / 3600),
                  static_cast<int>(std::abs(east) / 60 % 60));
    return text;
}

// The place's own zone on each date, daylight saving included, unless the zone
// was given explicitly; with --now, the present moment on the place's clock. A
// typed time of work that the clocks show twice or skip is taken as MomentOf
// says, and `err` is told which.
PlaceClocks PlaceZone(Options& o, const std::string& zoneId, const Clock& clock,
                      std::ostream& err) {
    if (o.plan.zoneGiven) {
        if (o.plan.now) TakeTimeOfWorkFromClock(o.form, clock.now());
        return {[](const Date&, FormValues&) { return true; }, {}};
    }
    const places::ZoneClock tz(zoneId);  // looked up once for every reading below
    // --now keeps the instant it read: inside a repeated hour its reading alone
    // would stand for the first of the two.
    std::optional<places::LocalMoment> now;
    const Date date = DateOfWork(o.form);
    const ClockTime time{o.form.hour, o.form.minute, o.form.second};
    if (o.plan.now) {
        now = tz.LocalMomentAt(clock.now().time_since_epoch().count());
        if (now) {
            SetTimeOfWork(o.form, {now->year, now->month, now->day},
                          {now->hour, now->minute, now->second});
        }
    } else if (const auto m = MomentOf(tz, date, time); m && m->reading != Reading::Once) {
        const std::string typed = UsGeneralDate(LocalDateTime::From(date, time));
        if (m->reading == Reading::Twice) {
            err << "velnora-cli: " << typed << " comes twice in " << zoneId
                << " (the clocks go back); taken as the first, at " << UtcOffsetText(m->local.zone)
                << '\n';
        } else {
            err << "velnora-cli: " << typed << " does not exist in " << zoneId
                << " (the clocks skip it); taken as " << UsGeneralDate(ReadingOf(m->local))
                << ", at " << UtcOffsetText(m->local.zone) << '\n';
        }
    }
    ZoneForDate zoneFor = [tz, now](const Date& d, FormValues& f) {
        if (!DateOnTheClocks(tz, d)) return false;
        const ClockTime t{f.hour, f.minute, f.second};
        std::optional<ZoneOffset> z;
        if (now && ReadingOf(*now) == LocalDateTime::From(d, t)) {
            z = now->zone;
        } else if (const auto m = MomentOf(tz, d, t)) {
            z = m->zone;
        }
        if (z) {
            f.zoneHour = std::to_string(z->hours);
            f.zoneMinute = std::to_string(z->minutes);
        }
        return true;
    };
    zoneFor(DateOfWork(o.form), o.form);  // the time of work's own offset
    WallClock wall = [tz](const LocalDateTime& t, const ZoneOffset& zone) {
        const auto m = tz.LocalMomentAt(t.seconds + ZoneSeconds(zone));
        return m ? ReadingOf(*m) : t;
    };
    return {std::move(zoneFor), std::move(wall)};
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

int Run(const Options& o, const PlaceClocks& clocks, std::ostream& out, std::ostream& err) {
    const FormValues form = PlanForm(o);
    Outcome outcome = Evaluate(form);
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        err << failure->message.text() << '\n';
        return failure->kind == FailureKind::NoSunriseSunset ? kNoSunriseSunset : kRefused;
    }
    auto& e = std::get<Evaluation>(outcome);
    e.result.name = o.form.name;  // a plan may leave the name out
    std::vector<TableSection> table;
    if (o.table) table = TableOf(form, e, clocks);
    if (o.json) {
        WriteJson(out, e, clocks.Text(e.zone), o.table ? &table : nullptr,
                  o.placeTaken.empty() ? std::string() : PlaceJson(o));
    } else {
        WriteText(out, e, clocks.Text(e.zone), o.table ? &table : nullptr, o.placeTaken);
    }
    return kOk;
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const Clock& clock) {
    const auto run = [&](Options& o, const PlaceClocks& clocks) {
        if (o.plan.now && !clocks.zoneFor) TakeTimeOfWorkFromClock(o.form, clock.now());
        return o.plan.Lists() ? RunPlan(o, clock, clocks, out, err) : Run(o, clocks, out, err);
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
        const PlaceClocks clocks = PlaceZone(placed, placed.taken.zone, clock, err);
        return run(placed, clocks);
#else
        err << "velnora-cli: this build has no gazetteer for --place\n";
        return kUsage;
#endif
    }
    return run(options, {});
}

}  // namespace velnora::cli
