// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Choghadiya tables: for each weekday, the names of the eight equal
// periods of the daylight (from sunrise) and of the night (from sunset).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velnora {

inline constexpr int kPeriodsPerSpan = 8;

// State shared between the evaluation and the lookup. The evaluation clears the
// flags and sets exactly one; the lookup writes PeriodName, which keeps its value
// when no flag is set or the weekday is unknown.
struct ChoghadiyaState {
    std::array<bool, kPeriodsPerSpan> PeriodFlags{};  // index 0 = first period of the span
    int WorkWeekday = 0;                              // 1 = Sunday ... 7 = Saturday
    std::string PeriodName;
};

void DayChoghadiya(ChoghadiyaState& state);
void NightChoghadiya(ChoghadiyaState& state);

// Direct lookups: period 1..8, weekday 1..7. Empty for anything outside those.
std::string_view DayPeriodName(int period, int weekday);
std::string_view NightPeriodName(int period, int weekday);

enum class Verdict { Favorable, Intermediate, Unfavorable };

// Exact comparison: "Amrut", "Shubh", "Labh" are favorable, "Chal" intermediate,
// anything else unfavorable.
Verdict VerdictOf(std::string_view periodName);
std::string_view VerdictText(Verdict verdict);

}  // namespace velnora
