// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/periods.h"

#include <array>
#include <iomanip>
#include <ostream>

#include "cli/cli.h"

namespace velnora::cli {

std::string_view VerdictWord(Verdict v) {
    switch (v) {
        case Verdict::Favorable:
            return "favorable";
        case Verdict::Intermediate:
            return "intermediate";
        case Verdict::Unfavorable:
            break;
    }
    return "unfavorable";
}

std::string_view WeekdayName(int weekday) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return weekday >= 1 && weekday <= 7 ? kNames[weekday - 1] : std::string_view{};
}

void WriteJsonPeriod(std::ostream& out, const Period& p) {
    out << "{\"number\": " << p.number << ", \"start\": " << JsonQuote(FormatUsGeneralDate(p.start))
        << ", \"end\": " << JsonQuote(FormatUsGeneralDate(p.end))
        << ", \"weekday\": " << JsonQuote(WeekdayName(p.weekday))
        << ", \"name\": " << JsonQuote(p.name)
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
        out << "  " << p.number << "  " << std::left << std::setw(22)
            << FormatUsGeneralDate(p.start) << " to " << std::setw(22) << FormatUsGeneralDate(p.end)
            << "  " << WeekdayName(p.weekday).substr(0, 3) << "  " << std::setw(6) << p.name << "  "
            << VerdictWord(p.verdict)
            << (work && HoldsTimeOfWork(*work, p) ? "  <- time of work" : "") << '\n';
    }
}

}  // namespace velnora::cli
