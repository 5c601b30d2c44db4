// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/almanac.h"

#include <iomanip>
#include <ostream>

#include "cli/escape.h"

namespace velnora::cli {
namespace {

// The hora that holds the time of work, read on the horas' clock.
std::optional<std::size_t> TimeOfWorkHora(const std::vector<Hora>& horas, const PeriodMarks& m) {
    if (!m.work) return std::nullopt;
    return HoraHolding(horas, m.work->WorkTime + m.shift);
}

std::string_view HoraVerdict(const Hora& h) { return h.favorable ? "favorable" : "unfavorable"; }

}  // namespace

void WriteJsonAbhijit(std::ostream& out, const std::optional<TimeSpan>& abhijit,
                      const PeriodMarks& m) {
    if (!abhijit) {
        out << "null";
        return;
    }
    out << "{\"start\": " << JsonQuote(m.time(abhijit->start))
        << ", \"startIso\": " << JsonQuote(m.iso(abhijit->start))
        << ", \"end\": " << JsonQuote(m.time(abhijit->end))
        << ", \"endIso\": " << JsonQuote(m.iso(abhijit->end)) << '}';
}

void WriteJsonHoras(std::ostream& out, const std::vector<Hora>& horas, const PeriodMarks& m) {
    const auto holding = TimeOfWorkHora(horas, m);
    out << '[';
    for (std::size_t i = 0; i < horas.size(); ++i) {
        const Hora& h = horas[i];
        out << (i ? ", " : "") << "{\"number\": " << h.number
            << ", \"start\": " << JsonQuote(m.time(h.start))
            << ", \"startIso\": " << JsonQuote(m.iso(h.start))
            << ", \"end\": " << JsonQuote(m.time(h.end))
            << ", \"endIso\": " << JsonQuote(m.iso(h.end))
            << ", \"lord\": " << JsonQuote(PlanetName(h.lord))
            << ", \"verdict\": " << JsonQuote(HoraVerdict(h))
            << (holding == i ? ", \"timeOfWork\": true}" : "}");
    }
    out << ']';
}

void WriteTextAbhijit(std::ostream& out, const std::optional<TimeSpan>& abhijit,
                      const PeriodMarks& m) {
    if (!abhijit) {
        out << "\nNo Abhijit Muhurat on Wednesday\n";
        return;
    }
    out << "\nAbhijit Muhurat: " << m.time(abhijit->start) << " to " << m.time(abhijit->end)
        << '\n';
}

void WriteTextHoras(std::ostream& out, const std::vector<Hora>& horas, const PeriodMarks& m) {
    const auto holding = TimeOfWorkHora(horas, m);
    out << "\nHoras (12 from sunrise, 12 from sunset):\n";
    for (std::size_t i = 0; i < horas.size(); ++i) {
        const Hora& h = horas[i];
        out << "  " << std::right << std::setw(2) << h.number << "  " << std::left << std::setw(22)
            << m.time(h.start) << " to " << std::setw(22) << m.time(h.end) << "  " << std::setw(7)
            << PlanetName(h.lord) << "  " << HoraVerdict(h)
            << (holding == i ? "  <- time of work" : "") << '\n';
    }
}

}  // namespace velnora::cli
