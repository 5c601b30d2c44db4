// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/periods.h"

#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <ostream>

#include "cli/escape.h"

namespace velnora::cli {

std::string IsoDate(const Date& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string IsoDateTime(const LocalDateTime& reading, std::int64_t secondsEast) {
    const ClockTime t = reading.time();
    const std::int64_t east = std::abs(secondsEast);
    char text[32];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02d%c%02d:%02d", t.hour, t.minute, t.second,
                  secondsEast < 0 ? '-' : '+', static_cast<int>(east / 3600),
                  static_cast<int>(east / 60 % 60));
    std::string iso = IsoDate(reading.date()) + text;
    // Local mean time, kept by some zones into the first years, is no whole
    // number of minutes.
    if (east % 60 != 0) {
        std::snprintf(text, sizeof text, ":%02d", static_cast<int>(east % 60));
        iso += text;
    }
    return iso;
}

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
