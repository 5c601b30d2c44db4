// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/plan.h"

#include <array>
#include <ostream>
#include <span>

#include "cli/almanac.h"
#include "cli/cli.h"
#include "cli/periods.h"
#include "cli/write_failure.h"
#include "files/replace_file.h"
#include "planning/calendar.h"
#include "workflow/numbers.h"

namespace velnora::cli {
namespace {

// What is wanted, as written canonically.
std::string_view WantedWord(const PeriodWanted& wanted) {
    return wanted.verdict ? VerdictWord(*wanted.verdict) : PeriodName(wanted.name);
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
        out << "  \"place\": " << o.placeJson << ",\n";
    } else {
        out << "Place taken: " << Visible(o.placeTaken) << "\n\n";
    }
}

std::string DateText(const Date& d) { return UsGeneralDate(LocalDateTime::From(d, {})); }

// Why a listing ends before the days asked for: they run past the last date the
// year list holds. Empty when they do not.
std::string PastLastDate(const Date& first, int count) {
    if (IsListedDate(AddDays(first, count - 1))) return {};
    const auto after = DaysFromCivil(AddDays(first, count - 1)) - DaysFromCivil(kLastListedDate);
    return "The listing ends with " + DateText(kLastListedDate) +
           ", the last date that can be evaluated; " + std::to_string(after) + " of the " +
           std::to_string(count) + " days asked for lie after it";
}

int WriteNext(const Options& o, const Plan& plan, const Evaluation* work, const PlaceClocks& clocks,
              std::ostream& out, std::ostream& err) {
    PeriodWanted sought = o.plan.wanted;
    sought.clear = o.plan.clear;
    const auto next = FindNext(plan, sought);
    const std::string wanted =
        std::string(WantedWord(o.plan.wanted)) + (o.plan.clear ? " (without an almanac mark)" : "");
    const LocalDateTime typed = LocalDateTime::From(plan.at.date, plan.at.time);
    if (!next) {
        // No period: the reason on standard error, and in the JSON as --days puts it.
        std::string why;
        int status = kNoneWithinDays;
        const std::string from =
            work ? clocks.Text(work->zone())(work->WorkTime) : UsGeneralDate(typed);
        const Date searchedTo = AddDays(plan.at.date, kNextSearchDays);
        if (!IsListedDate(searchedTo)) {
            why = "No " + wanted + " period from the time of work to " + DateText(kLastListedDate) +
                  ", the last date that can be evaluated";
            status = kPastLastDate;
        } else {
            why = MessageWith(MessageId::NoPeriodFound, {wanted, from, DateText(searchedTo)});
        }
        if (o.json) {
            out << "{\n";
            WritePlace(out, o);
            out << "  \"timeOfWork\": " << JsonQuote(from) << ",\n";
            if (work) {
                out << "  \"timeOfWorkIso\": "
                    << JsonQuote(clocks.Iso(work->zone())(work->WorkTime)) << ",\n";
            }
            out << "  \"error\": " << JsonQuote(why) << "\n}\n";
        }
        err << why << '\n';
        return status;
    }
    const Period& p = next->period;
    const DateTimeFormatter time = clocks.Text(next->zone);
    const DateTimeFormatter iso = clocks.Iso(next->zone);
    const std::string at = work ? clocks.Text(work->zone())(work->WorkTime) : time(typed);
    if (o.json) {
        out << "{\n";
        WritePlace(out, o);
        out << "  \"timeOfWork\": " << JsonQuote(at) << ",\n  \"timeOfWorkIso\": "
            << JsonQuote(work ? clocks.Iso(work->zone())(work->WorkTime) : iso(typed))
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

// The marks of periods in `zone`: their times on the place's clocks, and the
// period that holds the time of work.
PeriodMarks MarksOf(const ZoneOffset& zone, const Evaluation* work, const PlaceClocks& clocks) {
    const std::int64_t shift = work ? ZoneSeconds(work->zone()) - ZoneSeconds(zone) : 0;
    return {clocks.Text(zone), clocks.Iso(zone), work, shift};
}

// The night before the date of work's sunrise, as --table lists it for that one
// date: only when the time of work lies in it.
std::vector<TableSection> NightBeforeOf(const Plan& plan, const Evaluation* work,
                                        const PlaceClocks& clocks) {
    if (!work) return {};
    std::vector<TableSection> sections = TableOf(plan, *work, clocks).sections;
    std::erase_if(sections, [](const TableSection& s) { return s.key != "nightBefore"; });
    return sections;
}

using Sections = std::span<const TableSection>;

// `before` lists ahead of the first date's day: the night before its sunrise.
void WriteDays(const Options& o, const std::vector<DayListing>& days, Sections before,
               const std::string& cut, const Evaluation* work, const PlaceClocks& clocks,
               std::ostream& out) {
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
                out << ", \"error\": " << JsonQuote(Text(*d.failure)) << '}';
                continue;
            }
            const PeriodMarks marks = MarksOf(d.evaluation.zone(), work, clocks);
            const DayAlmanac almanac = AlmanacOf(d);
            for (const TableSection& s : i == 0 ? before : Sections{}) {
                out << ",\n     " << JsonQuote(s.key) << ": ";
                WriteJsonPeriods(out, s.periods, s.almanac, s.marks);
            }
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
            out << ": " << Text(*d.failure) << '\n';
            continue;
        }
        out << '\n';
        const PeriodMarks marks = MarksOf(d.evaluation.zone(), work, clocks);
        const DayAlmanac almanac = AlmanacOf(d);
        for (const TableSection& s : i == 0 ? before : Sections{}) {
            WriteTextPeriods(out, s.heading, s.periods, s.almanac, s.marks);
        }
        WriteTextPeriods(out, kDayPeriodsHeading, d.day, almanac.day, marks);
        WriteTextPeriods(out, kNightPeriodsHeading, d.night, almanac.night, marks);
        WriteTextAbhijit(out, almanac.abhijit, marks);
        if (o.hora) WriteTextHoras(out, almanac.horas, marks);
    }
}

}  // namespace

void SetTimeOfWork(FormValues& form, const Date& date, const ClockTime& time) {
    SetListedDate(form, date);
    form.hour = time.hour;
    form.minute = time.minute;
    form.second = time.second;
}

void TakeTimeOfWorkFromClock(FormValues& form, const Clock& clock) {
    const auto hours = ToInteger16(form.zoneHour);
    const auto minutes = ToInteger16(form.zoneMinute);
    if (!hours || !minutes) return;
    const LocalDateTime local = NowIn(clock, {*hours, *minutes});
    SetTimeOfWork(form, local.date(), local.time());
}

FormValues PlanForm(const Options& o) {
    FormValues form = o.form;
    if (o.plan.Any() && Trim(form.name).empty()) form.name = "velnora-cli";
    return form;
}

std::variant<Plan, Failure> PlanOf(const Options& o, const PlaceClocks& clocks) {
    auto read = ReadForm(PlanForm(o), o.placeZone);
    if (const auto* failure = std::get_if<Failure>(&read)) return *failure;
    return Plan{std::get<EvaluationInput>(std::move(read)), clocks.zoneFor};
}

DateTimeFormatter PlaceClocks::Text(const ZoneOffset& zone) const {
    if (!wall) return UsGeneralDate;
    return [wall = wall, zone](const LocalDateTime& t) { return UsGeneralDate(wall(t, zone)); };
}

DateTimeFormatter PlaceClocks::Iso(const ZoneOffset& zone) const {
    if (!wall) {
        return [east = -ZoneSeconds(zone)](const LocalDateTime& t) { return IsoDateTime(t, east); };
    }
    // The offset in force is what separates the wall's reading from the moment,
    // to the second: a local mean time is not a whole number of minutes.
    return [wall = wall, zone](const LocalDateTime& t) {
        const LocalDateTime reading = wall(t, zone);
        return IsoDateTime(reading, reading.seconds - (t.seconds + ZoneSeconds(zone)));
    };
}

DateTable TableOf(const Plan& plan, const Evaluation& work, const PlaceClocks& clocks) {
    DateTable table;
    DayTable day = TableOfDay(plan, &work);
    for (DaySection& s : day.sections) {
        const PeriodMarks marks = MarksOf(s.zone, &work, clocks);
        const auto add = [&](std::string_view heading, std::string_view key) {
            table.sections.push_back(
                {heading, key, std::move(s.periods), std::move(s.marks), marks});
        };
        switch (s.kind) {
            case SectionKind::NightBefore:
                add(kNightBeforeHeading, "nightBefore");
                break;
            case SectionKind::Day:
                add(kDayPeriodsHeading, "day");
                break;
            case SectionKind::Night:
                add(kNightPeriodsHeading, "night");
                break;
        }
    }
    table.abhijit = day.abhijit;
    table.horas = std::move(day.horas);
    table.marks = MarksOf(day.horasZone, &work, clocks);
    return table;
}

int RunPlan(const Options& o, const Clock& clock, const PlaceClocks& clocks, std::ostream& out,
            std::ostream& err) {
    auto read = PlanOf(o, clocks);
    if (const auto* refused = std::get_if<Failure>(&read)) {
        err << Text(refused->message) << '\n';
        return kRefused;
    }
    const Plan& plan = std::get<Plan>(read);
    const Outcome outcome = EvaluateWork(plan);
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        // No sunrise or sunset: other days may have one, unless the zone's sign is wrong.
        if (failure->kind == FailureKind::Refused ||
            failure->message.id == MessageId::CheckZoneSign) {
            err << Text(failure->message) << '\n';
            return failure->kind == FailureKind::Refused ? kRefused : kNoSunriseSunset;
        }
    }
    const Evaluation* work = std::get_if<Evaluation>(&outcome);
    if (o.plan.next) return WriteNext(o, plan, work, clocks, out, err);

    const std::vector<DayListing> days = ListDays(plan, o.plan.days);
    const std::string cut = PastLastDate(plan.at.date, o.plan.days);
    // The days that were listed are given in full; the reason the rest are not
    // ends the output.
    const auto finish = [&] {
        if (cut.empty()) return kOk;
        err << cut << '\n';
        return kPastLastDate;
    };
    if (o.table) {
        // The first date, when it is the date of work, begins as --table lists it alone.
        const bool fromDateOfWork = !days.empty() && days.front().date == plan.at.date;
        const std::vector<TableSection> before =
            fromDateOfWork ? NightBeforeOf(plan, work, clocks) : std::vector<TableSection>{};
        WriteDays(o, days, before, cut, work, clocks, out);
    }
    if (o.plan.ics.empty()) return finish();
    const CalendarEnglish words;
    const CalendarRequest request{words,          days,        o.plan.icsAll,
                                  o.placeTaken,   clock.now(), o.plan.alarmMinutes,
                                  o.plan.icsClear};
    if (o.plan.ics == "-") {
        WriteCalendar(out, request);
        return finish();
    }
    int events = 0;
    const auto write = [&](std::ostream& file) {
        events = WriteCalendar(file, request);
        return static_cast<bool>(file);
    };
    if (const auto failure = ReplaceFile(o.plan.ics, write)) {
        err << "velnora-cli: cannot write " << Visible(o.plan.ics) << ": "
            << WriteFailureText(*failure) << '\n';
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
