// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/plan_options.h"

#include <algorithm>

#include "cli/cli.h"
#include "cli/periods.h"

namespace velnora::cli {
namespace {

// "favorable", "intermediate" or a period name, in any of the spellings people use.
std::optional<PeriodWanted> WantedSpelled(std::string_view text) {
    if (const auto verdict = VerdictSpelled(text); verdict && *verdict != Verdict::Unfavorable) {
        return PeriodWanted{verdict, {}};
    }
    if (const auto name = PeriodSpelled(text)) return PeriodWanted{std::nullopt, name};
    return std::nullopt;
}

// `text` as a whole number from `least` to `most`, in plain digits and no more of
// them than `most` has.
std::optional<int> WholeNumberIn(std::string_view text, int least, int most) {
    if (text.empty() || text.size() > std::to_string(most).size()) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int n = std::stoi(std::string(text));
    if (n < least || n > most) return std::nullopt;
    return n;
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
        const auto wanted = WantedSpelled(word);
        if (!wanted) {
            error =
                "option --next takes favorable, intermediate or a period name (Amrut, Shubh, "
                "Labh, Chal, Udveg, Rog, Kal), not \"" +
                Visible(word) + "\"";
            return Taken::Error;
        }
        plan.wanted = *wanted;
        return Taken::Yes;
    }
    if (name == "--days") {
        std::string v;
        const auto n = needValue(v) ? WholeNumberIn(v, 1, kMaxListedDays) : std::nullopt;
        if (!n) {
            error = "option --days takes a whole number of days from 1 to " +
                    std::to_string(kMaxListedDays) + ", not \"" + Visible(v) + "\"";
            return Taken::Error;
        }
        plan.days = *n;
        return Taken::Yes;
    }
    if (name == "--ics-alarm") {
        std::string v;
        const auto minutes = needValue(v) ? WholeNumberIn(v, 0, kMaxAlarmMinutes) : std::nullopt;
        if (!minutes) {
            error = "option --ics-alarm takes the minutes before each period, from 0 to " +
                    std::to_string(kMaxAlarmMinutes) + ", not \"" + Visible(v) + "\"";
            return Taken::Error;
        }
        plan.alarmMinutes = *minutes;
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

}  // namespace velnora::cli
