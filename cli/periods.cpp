// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/periods.h"

#include <cstdlib>
#include <iomanip>
#include <ostream>

#include "cli/escape.h"

namespace velnora::cli {

namespace {

// Appends `value` (0..9999) as exactly `width` digits.
void PutDigits(std::string& out, int value, int width) {
    char digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

}  // namespace

std::string IsoDate(const Date& d) {
    std::string text;
    text.reserve(10);
    PutDigits(text, d.year, 4);
    text += '-';
    PutDigits(text, d.month, 2);
    text += '-';
    PutDigits(text, d.day, 2);
    return text;
}

std::string IsoDateTime(const LocalDateTime& reading, std::int64_t secondsEast) {
    const ClockTime t = reading.time();
    const auto east = static_cast<int>(std::abs(secondsEast));
    std::string text = IsoDate(reading.date());
    text += 'T';
    PutDigits(text, t.hour, 2);
    text += ':';
    PutDigits(text, t.minute, 2);
    text += ':';
    PutDigits(text, t.second, 2);
    text += secondsEast < 0 ? '-' : '+';
    PutDigits(text, east / 3600, 2);
    text += ':';
    PutDigits(text, east / 60 % 60, 2);
    // Local mean time, kept by some zones into the first years, is no whole
    // number of minutes.
    if (east % 60 != 0) {
        text += ':';
        PutDigits(text, east % 60, 2);
    }
    return text;
}

bool PeriodMarks::Holds(const Period& p) const { return work && HoldsTimeOfWork(*work, p, shift); }

void WriteJsonPeriod(std::ostream& out, const Period& p, Marks almanac, const PeriodMarks& marks) {
    out << "{\"number\": " << p.number << ", \"start\": " << JsonQuote(marks.time(p.start))
        << ", \"startIso\": " << JsonQuote(marks.iso(p.start))
        << ", \"end\": " << JsonQuote(marks.time(p.end))
        << ", \"endIso\": " << JsonQuote(marks.iso(p.end))
        << ", \"weekday\": " << JsonQuote(WeekdayName(p.weekday))
        << ", \"name\": " << JsonQuote(PeriodName(p.name))
        << ", \"verdict\": " << JsonQuote(VerdictWord(p.verdict)) << ", \"marks\": ";
    WriteJsonMarks(out, almanac);
    out << (marks.Holds(p) ? ", \"timeOfWork\": true}" : "}");
}

void WriteJsonMarks(std::ostream& out, Marks marks) {
    out << '[';
    bool first = true;
    for (const Mark mark : kAllMarks) {
        if (!marks.Has(mark)) continue;
        out << (first ? "" : ", ") << JsonQuote(MarkCode(mark));
        first = false;
    }
    out << ']';
}

void WriteJsonPeriods(std::ostream& out, std::span<const Period> periods,
                      std::span<const Marks> almanac, const PeriodMarks& marks) {
    out << '[';
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (i > 0) out << ", ";
        WriteJsonPeriod(out, periods[i], i < almanac.size() ? almanac[i] : Marks{}, marks);
    }
    out << ']';
}

void WriteTextPeriods(std::ostream& out, std::string_view heading, std::span<const Period> periods,
                      std::span<const Marks> almanac, const PeriodMarks& marks) {
    out << '\n' << heading << '\n';
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const Period& p = periods[i];
        const std::string names = MarkNames(i < almanac.size() ? almanac[i] : Marks{});
        out << "  " << p.number << "  " << std::left << std::setw(22) << marks.time(p.start)
            << " to " << std::setw(22) << marks.time(p.end) << "  "
            << WeekdayName(p.weekday).substr(0, 3) << "  " << std::setw(6) << PeriodName(p.name)
            << "  ";
        if (names.empty()) {
            out << VerdictWord(p.verdict);
        } else {
            out << std::setw(12) << VerdictWord(p.verdict) << "  " << names;
        }
        out << (marks.Holds(p) ? "  <- time of work" : "") << '\n';
    }
}

}  // namespace velnora::cli
