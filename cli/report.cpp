// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>
#include <variant>

#include "cli/almanac.h"
#include "cli/cli.h"
#include "cli/escape.h"
#include "cli/periods.h"
#include "workflow/evaluation.h"

namespace velnora::cli {
namespace {

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

// The moment a label of the result shows: the time of work and the six sun times.
std::optional<LocalDateTime> MomentOfLabel(const Evaluation& e, std::string_view label) {
    const EvaluationResult& r = e.result;
    const std::array<std::pair<std::string_view, const LocalDateTime*>, 7> moments = {{
        {"lblTOB", &e.WorkTime},
        {"lblPreviousDaySunRiseTime", &r.previousDaySunRise},
        {"lblPreviousDaySunSetTime", &r.previousDaySunSet},
        {"lblInputDaySunRiseTime", &r.inputDaySunRise},
        {"lblInputDaySunSetTime", &r.inputDaySunSet},
        {"lblNextDaySunRiseTime", &r.nextDaySunRise},
        {"lblNextDaySunSetTime", &r.nextDaySunSet},
    }};
    for (const auto& [name, moment] : moments) {
        if (name == label) return *moment;
    }
    return std::nullopt;
}

// Each date-time also in ISO 8601 under its label's key with "Iso" added, and the
// verdict as a word beside its sentence.
void WriteJson(std::ostream& out, const Evaluation& e, const DateTimeFormatter& time,
               const DateTimeFormatter& iso, const DateTable* table, bool periods, bool horas,
               const std::string& place) {
    out << "{\n";
    if (!place.empty()) out << "  \"place\": " << place << ",\n";
    const auto texts = ResultTexts(e.result, time);
    for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
        out << "  " << JsonQuote(kResultLabels[i]) << ": " << JsonQuote(texts[i]);
        if (const auto moment = MomentOfLabel(e, kResultLabels[i])) {
            out << ",\n  " << JsonQuote(std::string(kResultLabels[i]) + "Iso") << ": "
                << JsonQuote(iso(*moment));
        }
        if (kResultLabels[i] == "lblTimePeriod") {
            out << ",\n  \"verdict\": " << JsonQuote(VerdictWord(e.result.verdict));
        }
        out << (i + 1 < kResultLabels.size() || table ? ",\n" : "\n");
    }
    if (table && periods) {
        out << "  \"periods\": {";
        for (std::size_t i = 0; i < table->sections.size(); ++i) {
            const TableSection& section = table->sections[i];
            out << (i ? ",\n    " : "\n    ") << JsonQuote(section.key) << ": ";
            WriteJsonPeriods(out, section.periods, section.almanac, section.marks);
        }
        out << "\n  },\n  \"abhijit\": ";
        WriteJsonAbhijit(out, table->abhijit, table->marks);
        out << (horas ? ",\n" : "\n");
    }
    if (table && horas) {
        out << "  \"hora\": ";
        WriteJsonHoras(out, table->horas, table->marks);
        out << '\n';
    }
    out << "}\n";
}

void WriteText(std::ostream& out, const Evaluation& e, const DateTimeFormatter& time,
               const DateTable* table, bool periods, bool horas, const std::string& place) {
    if (!place.empty()) out << "Place taken: " << Visible(place) << "\n\n";
    std::size_t width = 0;
    for (auto c : kCaptions) width = std::max(width, c.size());
    const auto texts = ResultTexts(e.result, time);
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        out << std::left << std::setw(static_cast<int>(width + 1))
            << (std::string(kCaptions[i]) + ":") << ' ' << Visible(texts[i]) << '\n';
    }
    if (table && periods) {
        for (const TableSection& section : table->sections) {
            WriteTextPeriods(out, section.heading, section.periods, section.almanac, section.marks);
        }
        WriteTextAbhijit(out, table->abhijit, table->marks);
    }
    if (table && horas) WriteTextHoras(out, table->horas, table->marks);
}

}  // namespace

int Run(const Options& o, const PlaceClocks& clocks, std::ostream& out, std::ostream& err) {
    auto read = PlanOf(o, clocks);
    if (const auto* refused = std::get_if<Failure>(&read)) {
        err << Text(refused->message) << '\n';
        return kRefused;
    }
    const Plan& plan = std::get<Plan>(read);
    Outcome outcome = Evaluate(plan.at);
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        err << Text(failure->message) << '\n';
        return failure->kind == FailureKind::NoSunriseSunset ? kNoSunriseSunset : kRefused;
    }
    auto& e = std::get<Evaluation>(outcome);
    e.result.name = o.form.name;  // a plan may leave the name out
    DateTable table;
    const bool listed = o.table || o.hora;
    if (listed) table = TableOf(plan, e, clocks);
    if (o.json) {
        WriteJson(out, e, clocks.Text(e.zone()), clocks.Iso(e.zone()), listed ? &table : nullptr,
                  o.table, o.hora, o.placeJson);
    } else {
        WriteText(out, e, clocks.Text(e.zone()), listed ? &table : nullptr, o.table, o.hora,
                  o.placeTaken);
    }
    return kOk;
}

}  // namespace velnora::cli
