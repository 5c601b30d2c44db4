// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/periods.h"

#include <iomanip>
#include <ostream>

#include "cli/escape.h"

namespace velnora::cli {

bool PeriodMarks::Holds(const Period& p) const { return work && HoldsTimeOfWork(*work, p, shift); }

void WriteJsonPeriod(std::ostream& out, const Period& p, const PeriodMarks& marks) {
    out << "{\"number\": " << p.number << ", \"start\": " << JsonQuote(marks.time(p.start))
        << ", \"startIso\": " << JsonQuote(marks.iso(p.start))
        << ", \"end\": " << JsonQuote(marks.time(p.end))
        << ", \"endIso\": " << JsonQuote(marks.iso(p.end))
        << ", \"weekday\": " << JsonQuote(WeekdayName(p.weekday))
        << ", \"name\": " << JsonQuote(PeriodName(p.name))
        << ", \"verdict\": " << JsonQuote(VerdictWord(p.verdict))
        << (marks.Holds(p) ? ", \"timeOfWork\": true}" : "}");
}

void WriteJsonPeriods(std::ostream& out, std::span<const Period> periods,
                      const PeriodMarks& marks) {
    out << '[';
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (i > 0) out << ", ";
        WriteJsonPeriod(out, periods[i], marks);
    }
    out << ']';
}

void WriteTextPeriods(std::ostream& out, std::string_view heading, std::span<const Period> periods,
                      const PeriodMarks& marks) {
    out << '\n' << heading << '\n';
    for (const Period& p : periods) {
        out << "  " << p.number << "  " << std::left << std::setw(22) << marks.time(p.start)
            << " to " << std::setw(22) << marks.time(p.end) << "  "
            << WeekdayName(p.weekday).substr(0, 3) << "  " << std::setw(6) << PeriodName(p.name)
            << "  " << VerdictWord(p.verdict) << (marks.Holds(p) ? "  <- time of work" : "")
            << '\n';
    }
}

}  // namespace velnora::cli
