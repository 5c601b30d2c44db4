// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/periods.h"

#include <iomanip>
#include <ostream>

#include "cli/cli.h"

namespace velnora::cli {

void WriteJsonPeriod(std::ostream& out, const Period& p) {
    out << "{\"number\": " << p.number << ", \"start\": " << JsonQuote(UsGeneralDate(p.start))
        << ", \"end\": " << JsonQuote(UsGeneralDate(p.end))
        << ", \"weekday\": " << JsonQuote(WeekdayName(p.weekday))
        << ", \"name\": " << JsonQuote(PeriodName(p.name))
        << ", \"verdict\": " << JsonQuote(VerdictWord(p.verdict)) << '}';
}

void WriteJsonPeriods(std::ostream& out, std::span<const Period> periods) {
    out << '[';
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (i > 0) out << ", ";
        WriteJsonPeriod(out, periods[i]);
    }
    out << ']';
}

void WriteTextPeriods(std::ostream& out, std::string_view heading, std::span<const Period> periods,
                      const Evaluation* work) {
    out << '\n' << heading << '\n';
    for (const Period& p : periods) {
        out << "  " << p.number << "  " << std::left << std::setw(22) << UsGeneralDate(p.start)
            << " to " << std::setw(22) << UsGeneralDate(p.end) << "  "
            << WeekdayName(p.weekday).substr(0, 3) << "  " << std::setw(6) << PeriodName(p.name)
            << "  " << VerdictWord(p.verdict)
            << (work && HoldsTimeOfWork(*work, p) ? "  <- time of work" : "") << '\n';
    }
}

}  // namespace velnora::cli
