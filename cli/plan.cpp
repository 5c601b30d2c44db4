// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/plan.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "cli/almanac.h"
#include "cli/cli.h"
#include "cli/periods.h"
#include "planning/calendar.h"
#include "planning/replace_file.h"
#include "workflow/numbers.h"

namespace velnora::cli {
namespace {

// "favorable", "intermediate" or a period name, in any of the spellings people
// use, as written canonically.
std::optional<std::string> WantedWord(std::string_view text) {
    if (const auto verdict = VerdictSpelled(text); verdict && *verdict != Verdict::Unfavorable) {
        return std::string(VerdictWord(*verdict));
    }
    if (const auto name = PeriodSpelled(text)) return std::string(PeriodName(*name));
    return std::nullopt;
}

PeriodWanted Wanted(const std::string& word, bool clear) {
    PeriodWanted wanted{std::nullopt, PeriodNamed(word), clear};
    if (word == "favorable") wanted = {Verdict::Favorable, {}, clear};
    if (word == "intermediate") wanted = {Verdict::Intermediate, {}, clear};
    return wanted;
}

std::string Duration(std::int64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

void WritePlace(std::ostream& out, const Options& o) {
    if (o.placeTaken.empty()) return;
    if (o.json) {
        out << "  \"place\": " << PlaceJson(o) << ",\n";
    } else {
        out << "Place taken: " << Visible(o.placeTaken) << "\n\n";
    }
}

std::string DateText(const Date& d) { return UsGeneralDate(LocalDateTime::From(d, {})); }

// Why a listing ends before the days asked for: they run past the last date the
// year list holds. Empty when they do not.
std::string PastLastDate(const FormValues& form, int count) {
    const Date first = DateOfWork(form);
    if (IsListedDate(AddDays(first, count - 1))) return {};
    const auto after = DaysFromCivil(AddDays(first, count - 1)) - DaysFromCivil(kLastListedDate);
    return "The listing ends with " + DateText(kLastListedDate) +
           ", the last date that can be evaluated; " + std::to_string(after) + " of the " +
           std::to_string(count) + " days asked for lie after it";
}

int WriteNext(const Options& o, const FormValues& form, const Evaluation* work,
              const PlaceClocks& clocks, std::ostream& out, std::ostream& err) {
    const auto next = FindNext(form, Wanted(o.plan.wanted, o.plan.clear), clocks.zoneFor);
    const std::string wanted =
        o.plan.wanted + (o.plan.clear ? " period without an almanac mark" : " period");
    if (!next && !IsListedDate(AddDays(DateOfWork(form), kNextSearchDays))) {
        err << "No " << wanted << " from the time of work to " << DateText(kLastListedDate)
            << ", the last date that can be evaluated\n";
        return kPastLastDate;
    }
    const LocalDateTime typed =
        LocalDateTime::From(DateOfWork(form), {form.hour, form.minute, form.second});
    if (!next) {
        const std::string from =
            work ? clocks.Text(work->zone)(work->WorkTime) : UsGeneralDate(typed);
        err << MessageWith(
                   MessageId::NoPeriodFound,
                   {o.plan.clear ? o.plan.wanted + " (without an almanac mark)" : o.plan.wanted,
                    from, DateText(AddDays(DateOfWork(form), kNextSearchDays))})
            << '\n';
        return kNoneWithinDays;
    }
    const Period& p = next->period;
    const DateTimeFormatter time = clocks.Text(next->zone);
    const DateTimeFormatter iso = clocks.Iso(next->zone);
    const std::string at = work ? clocks.Text(work->zone)(work->WorkTime) : time(typed);
    if (o.json) {
        out << "{\n";
        WritePlace(out, o);
        out << "  \"timeOfWork\": " << JsonQuote(at) << ",\n  \"timeOfWorkIso\": "
            << JsonQuote(work ? clocks.Iso(work->zone)(work->WorkTime) : iso(typed))
            << ",\n  \"next\": {\"now\": " << (next->holdsTimeOfWork ? "true" : "false");
        if (next->holdsTimeOfWork) out << ", \"remainingSeconds\": " << next->remainingSeconds;
        out << ", \"span\": " << JsonQuote(p.night ? "night" : "day") << ", \"period\": ";
        WriteJsonPeriod(out, p, next->marks, {time, iso});
        out << "}\n}\n";
        return kOk;
    }
    WritePlace(out, o);
    out << "Time of work: " << at << '\n'
        << (next->holdsTimeOfWork ? "Now:  " : "Next: ") << PeriodName(p.name) << ", "
        << VerdictWord(p.verdict) << ", " << time(p.start) << " to " << time(p.end) << " ("
        << (p.night ? "night" : "day") << " period " << p.number << ", " << WeekdayName(p.weekday)
        << "'s column)\n";
    if (!next->marks.Empty()) {
        out << "Almanac marks: " << MarkNames(next->marks)
            << " (no auspicious work is begun in it; --clear finds a period without one)\n";
    }
    if (next->holdsTimeOfWork) out << "Still " << Duration(next->remainingSeconds) << " to run\n";
    return kOk;
}

// The marks of a listed date's periods: its times on the place's clocks, and the
// period that holds the time of work.
PeriodMarks MarksOf(const DayListing& d, const Evaluation* work, const PlaceClocks& clocks) {
    const std::int64_t shift = work ? ZoneSeconds(work->zone) - ZoneSeconds(d.evaluation.zone) : 0;
    return {clocks.Text(d.evaluation.zone), clocks.Iso(d.evaluation.zone), work, shift};
}

void WriteDays(const Options& o, const std::vector<DayListing>& days, const std::string& cut,
               const Evaluation* work, const PlaceClocks& clocks, std::ostream& out) {
    if (o.json) {
        out << "{\n";
        WritePlace(out, o);
        out << "  \"days\": [";
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DayListing& d = days[i];
            out << (i ? ",\n" : "\n") << "    {\"date\": " << JsonQuote(DateText(d.date))
                << ", \"dateIso\": " << JsonQuote(IsoDate(d.date))
                << ", \"weekday\": " << JsonQuote(WeekdayName(WeekdayOf(d.date)));
            if (d.failure) {
                out << ", \"error\": " << JsonQuote(d.failure->text()) << '}';
                continue;
            }
            const PeriodMarks marks = MarksOf(d, work, clocks);
            const DayAlmanac almanac = AlmanacOf(d);
            out << ",\n     \"day\": ";
            WriteJsonPeriods(out, d.day, almanac.day, marks);
            out << ",\n     \"night\": ";
            WriteJsonPeriods(out, d.night, almanac.night, marks);
            out << ",\n     \"abhijit\": ";
            WriteJsonAbhijit(out, almanac.abhijit, marks);
            if (o.hora) {
                out << ",\n     \"hora\": ";
                WriteJsonHoras(out, almanac.horas, marks);
            }
            out << '}';
        }
        out << "\n  ]";
        if (!cut.empty()) out << ",\n  \"error\": " << JsonQuote(cut);
        out << "\n}\n";
        return;
    }
    WritePlace(out, o);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DayListing& d = days[i];
        out << (i ? "\n" : "") << WeekdayName(WeekdayOf(d.date)) << ' ' << DateText(d.date);
        if (d.failure) {
            out << ": " << d.failure->text() << '\n';
            continue;
        }
        out << '\n';
        const PeriodMarks marks = MarksOf(d, work, clocks);
        const DayAlmanac almanac = AlmanacOf(d);
        WriteTextPeriods(out, kDayPeriodsHeading, d.day, almanac.day, marks);
        WriteTextPeriods(out, kNightPeriodsHeading, d.night, almanac.night, marks);
        WriteTextAbhijit(out, almanac.abhijit, marks);
        if (o.hora) WriteTextHoras(out, almanac.horas, marks);
    }
}

}  // namespace

Taken ParsePlanOption(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                      bool hasValue, const std::string& value, PlanOptions& plan,
                      std::string& error) {
    const auto needValue = [&](std::string& v) {
        v = value;
        if (!hasValue) {
            if (i + 1 >= args.size()) return false;
            v = args[++i];
        }
        return !v.empty();
    };
    if (name == "--now" || name == "--ics-all" || name == "--ics-clear" || name == "--clear") {
        if (hasValue) {
            error = "option " + name + " takes no value";
            return Taken::Error;
        }
        (name == "--now"       ? plan.now
         : name == "--ics-all" ? plan.icsAll
         : name == "--clear"   ? plan.clear
                               : plan.icsClear) = true;
        return Taken::Yes;
    }
    if (name == "--next") {
        plan.next = true;
        std::string word = value;
        if (!hasValue && i + 1 < args.size() && args[i + 1].rfind('-', 0) != 0) word = args[++i];
        if (!hasValue && word.empty()) return Taken::Yes;
        const auto canonical = WantedWord(word);
        if (!canonical) {
            error =
                "option --next takes favorable, intermediate or a period name (Amrut, Shubh, "
                "Labh, Chal, Udveg, Rog, Kal), not \"" +
                Visible(word) + "\"";
            return Taken::Error;
        }
        plan.wanted = *canonical;
        return Taken::Yes;
    }
    if (name == "--days") {
        std::string v;
        int n = 0;
        const bool digits =
            needValue(v) && v.size() <= 3 &&
            std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits) n = std::stoi(v);
        if (!digits || n < 1 || n > kMaxDays) {
            error = "option --days takes a whole number of days from 1 to 366, not \"" +
                    Visible(v) + "\"";
            return Taken::Error;
        }
        plan.days = n;
        return Taken::Yes;
    }
    if (name == "--ics-alarm") {
        std::string v;
        const bool digits =
            needValue(v) && v.size() <= 5 &&
            std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int minutes = digits ? std::stoi(v) : -1;
        if (minutes < 0 || minutes > kMaxAlarmMinutes) {
            error = "option --ics-alarm takes the minutes before each period, from 0 to " +
                    std::to_string(kMaxAlarmMinutes) + ", not \"" + Visible(v) + "\"";
            return Taken::Error;
        }
        plan.alarmMinutes = minutes;
        return Taken::Yes;
    }
    if (name == "--ics") {
        if (!needValue(plan.ics)) {
            error = "option --ics needs a file name (- for standard output)";
            return Taken::Error;
        }
        return Taken::Yes;
    }
    return Taken::No;
}

void NoteFieldOption(std::string_view name, PlanOptions& plan) {
    for (std::string_view n : {"--month", "--day", "--year", "--hour", "--minute", "--second"}) {
        if (name == n) plan.dateOrTimeGiven = true;
    }
    if (name == "--zone-hour" || name == "--zone-minute") plan.zoneGiven = true;
}

bool CheckPlanOptions(const Options& o, std::string& error) {
    const PlanOptions& p = o.plan;
    if (p.now && p.dateOrTimeGiven) {
        error =
            "--now takes the date and time of work from the clock: leave out --month, --day, "
            "--year, --hour, --minute and --second";
    } else if (p.next && (o.table || p.days > 0 || !p.ics.empty())) {
        error = "--next gives one period: it cannot be combined with --table, --days or --ics";
    } else if (p.days > 0 && !o.table && p.ics.empty()) {
        error = "--days needs --table or --ics FILE";
    } else if (!p.ics.empty() && p.days == 0) {
        error = "--ics needs --days N";
    } else if (p.icsAll && p.ics.empty()) {
        error = "--ics-all needs --ics FILE";
    } else if (p.icsClear && p.ics.empty()) {
        error = "--ics-clear needs --ics FILE";
    } else if (p.clear && !p.next) {
        error = "--clear needs --next";
    } else if (o.hora && (p.next || (p.days > 0 && !o.table))) {
        error = "--hora lists the horas of the date, or with --days of each date beside --table";
    } else if (p.alarmMinutes && p.ics.empty()) {
        error = "--ics-alarm needs --ics FILE";
    } else if (p.ics == "-" && (o.table || o.json)) {
        error = "--ics - writes the calendar to standard output: leave out --table and --json";
    } else {
        return true;
    }
    return false;
}

void SetTimeOfWork(FormValues& form, const Date& date, const ClockTime& time) {
    form = OnDate(std::move(form), date);
    form.hour = time.hour;
    form.minute = time.minute;
    form.second = time.second;
}

void TakeTimeOfWorkFromClock(FormValues& form, std::chrono::sys_seconds now) {
    const auto hours = ToInteger16(form.zoneHour);
    const auto minutes = ToInteger16(form.zoneMinute);
    if (!hours || !minutes) return;
    const LocalDateTime local{now.time_since_epoch().count() - ZoneSeconds({*hours, *minutes})};
    SetTimeOfWork(form, local.date(), local.time());
}

FormValues PlanForm(const Options& o) {
    FormValues form = o.form;
    if (o.plan.Any() && Trim(form.name).empty()) form.name = "velnora-cli";
    return form;
}

DateTimeFormatter PlaceClocks::Text(const ZoneOffset& zone) const {
    if (!wall) return UsGeneralDate;
    return [wall = wall, zone](const LocalDateTime& t) {
        return UsGeneralDate(wall(t, zone).reading);
    };
}

DateTimeFormatter PlaceClocks::Iso(const ZoneOffset& zone) const {
    if (!wall) {
        return [east = -ZoneSeconds(zone)](const LocalDateTime& t) { return IsoDateTime(t, east); };
    }
    return [wall = wall, zone](const LocalDateTime& t) {
        const WallTime w = wall(t, zone);
        return IsoDateTime(w.reading, w.secondsEast);
    };
}

DateTable TableOf(const FormValues& form, const Evaluation& work, const PlaceClocks& clocks) {
    DateTable table;
    std::vector<TableSection>& sections = table.sections;
    const Date date = DateOfWork(form);
    if (work.span == SpanKind::NightBeforeSunrise) {
        const DayListing before = ListDay(form, AddDays(date, -1), clocks.zoneFor);
        if (!before.failure && !before.skipped) {
            sections.push_back({kNightBeforeHeading, "nightBefore", before.night,
                                AlmanacOf(before).night, MarksOf(before, &work, clocks)});
        }
    }
    DayListing today = ListDay(form, date, clocks.zoneFor);
    if (!today.failure && !today.skipped) {
        table.marks = MarksOf(today, &work, clocks);
    } else {
        // The date of work's own evaluation lists it when its noon cannot.
        today = DayListing{date, false, std::nullopt, work, DayPeriods(work), NightPeriods(work)};
        table.marks = {clocks.Text(work.zone), clocks.Iso(work.zone), &work, 0};
    }
    table.almanac = AlmanacOf(today);
    sections.push_back({kDayPeriodsHeading,
                        "day",
                        {today.day.begin(), today.day.end()},
                        {table.almanac.day.begin(), table.almanac.day.end()},
                        table.marks});
    sections.push_back(
        {kNightPeriodsHeading, "night", today.night, table.almanac.night, table.marks});
    return table;
}

int RunPlan(const Options& o, const Clock& clock, const PlaceClocks& clocks, std::ostream& out,
            std::ostream& err) {
    const FormValues form = PlanForm(o);
    FormValues atWork = form;
    if (clocks.zoneFor) clocks.zoneFor(DateOfWork(form), atWork);
    const Outcome outcome = Evaluate(atWork);
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        // No sunrise or sunset: other days may have one, unless the zone's sign is wrong.
        if (failure->kind == FailureKind::Refused ||
            failure->message.id == MessageId::CheckZoneSign) {
            err << failure->message.text() << '\n';
            return failure->kind == FailureKind::Refused ? kRefused : kNoSunriseSunset;
        }
    }
    const Evaluation* work = std::get_if<Evaluation>(&outcome);
    if (o.plan.next) return WriteNext(o, form, work, clocks, out, err);

    const std::vector<DayListing> days = ListDays(form, o.plan.days, clocks.zoneFor);
    const std::string cut = PastLastDate(form, o.plan.days);
    // The days that were listed are given in full; the reason the rest are not
    // ends the output.
    const auto finish = [&] {
        if (cut.empty()) return kOk;
        err << cut << '\n';
        return kPastLastDate;
    };
    if (o.table) WriteDays(o, days, cut, work, clocks, out);
    if (o.plan.ics.empty()) return finish();
    const CalendarRequest request{days,        o.plan.icsAll,       o.placeTaken,
                                  clock.now(), o.plan.alarmMinutes, o.plan.icsClear};
    if (o.plan.ics == "-") {
        WriteCalendar(out, request);
        return finish();
    }
    int events = 0;
    std::string reason;
    const auto write = [&](std::ostream& file) {
        events = WriteCalendar(file, request);
        return static_cast<bool>(file);
    };
    if (!ReplaceFile(o.plan.ics, write, reason)) {
        err << "velnora-cli: cannot write " << Visible(o.plan.ics) << ": " << reason << '\n';
        return kCannotWrite;
    }
    if (!o.table) {
        out << Visible(o.plan.ics) << ": " << events << (o.plan.icsAll ? "" : " favorable")
            << " periods" << (o.plan.icsClear ? " without an almanac mark" : "") << " of "
            << days.size() << (days.size() == 1 ? " day\n" : " days\n");
    }
    return finish();
}

}  // namespace velnora::cli
