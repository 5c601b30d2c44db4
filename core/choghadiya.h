// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Choghadiya tables: for each weekday, the names of the eight equal
// periods of the daylight (from sunrise) and of the night (from sunset). Names
// and verdicts are values here; the windows and velnora-cli give them words.
#pragma once

#include <array>
#include <optional>

#include "core/date_time.h"

namespace velnora {

inline constexpr int kPeriodsPerSpan = 8;

// The seven period names of the tables.
enum class Choghadiya { Amrut, Shubh, Labh, Chal, Udveg, Rog, Kal };
inline constexpr int kChoghadiyaCount = 7;

// State shared between the evaluation and the lookup. The evaluation clears the
// flags and sets exactly one; the lookup writes PeriodName, which keeps its value
// when no flag is set or the weekday is unknown (empty when nothing wrote it).
struct ChoghadiyaState {
    std::array<bool, kPeriodsPerSpan> PeriodFlags{};  // index 0 = first period of the span
    int WorkWeekday = 0;                              // 1 = Sunday ... 7 = Saturday
    std::optional<Choghadiya> PeriodName;
};

void DayChoghadiya(ChoghadiyaState& state);
void NightChoghadiya(ChoghadiyaState& state);

// Direct lookups: period 1..8, weekday 1..7. Empty for anything outside those.
std::optional<Choghadiya> DayPeriodName(int period, int weekday);
std::optional<Choghadiya> NightPeriodName(int period, int weekday);

enum class Verdict { Favorable, Intermediate, Unfavorable };

// Amrut, Shubh and Labh are favorable, Chal intermediate, the others unfavorable,
// and so is a name the lookup never wrote.
Verdict VerdictOf(std::optional<Choghadiya> periodName);

}  // namespace velnora
