// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choghadiya.h"

namespace velnora {
namespace {

using enum Choghadiya;
using Table = std::array<std::array<Choghadiya, kDaysPerWeek>, kPeriodsPerSpan>;

// Rows are periods 1 to 8, columns Sunday to Saturday. Each day column runs through
// Udveg, Chal, Labh, Amrut, Kal, Shubh, Rog; each night column through Shubh, Amrut,
// Chal, Rog, Kal, Labh, Udveg; period 8 repeats period 1.
constexpr Table kDayTable = {{
    {Udveg, Amrut, Rog, Labh, Shubh, Chal, Kal},
    {Chal, Kal, Udveg, Amrut, Rog, Labh, Shubh},
    {Labh, Shubh, Chal, Kal, Udveg, Amrut, Rog},
    {Amrut, Rog, Labh, Shubh, Chal, Kal, Udveg},
    {Kal, Udveg, Amrut, Rog, Labh, Shubh, Chal},
    {Shubh, Chal, Kal, Udveg, Amrut, Rog, Labh},
    {Rog, Labh, Shubh, Chal, Kal, Udveg, Amrut},
    {Udveg, Amrut, Rog, Labh, Shubh, Chal, Kal},
}};

constexpr Table kNightTable = {{
    {Shubh, Chal, Kal, Udveg, Amrut, Rog, Labh},
    {Amrut, Rog, Labh, Shubh, Chal, Kal, Udveg},
    {Chal, Kal, Udveg, Amrut, Rog, Labh, Shubh},
    {Rog, Labh, Shubh, Chal, Kal, Udveg, Amrut},
    {Kal, Udveg, Amrut, Rog, Labh, Shubh, Chal},
    {Labh, Shubh, Chal, Kal, Udveg, Amrut, Rog},
    {Udveg, Amrut, Rog, Labh, Shubh, Chal, Kal},
    {Shubh, Chal, Kal, Udveg, Amrut, Rog, Labh},
}};

std::optional<Choghadiya> Lookup(const Table& table, int period, int weekday) {
    if (period < 1 || period > kPeriodsPerSpan || weekday < 1 || weekday > kDaysPerWeek) return {};
    return table[period - 1][weekday - 1];
}

// A later flag overwrites an earlier one, so the highest flagged index wins.
void Apply(const Table& table, ChoghadiyaState& state) {
    for (int p = 0; p < kPeriodsPerSpan; ++p) {
        if (!state.PeriodFlags[p]) continue;
        if (const auto name = Lookup(table, p + 1, state.WorkWeekday)) state.PeriodName = name;
    }
}

}  // namespace

void DayChoghadiya(ChoghadiyaState& state) { Apply(kDayTable, state); }
void NightChoghadiya(ChoghadiyaState& state) { Apply(kNightTable, state); }

std::optional<Choghadiya> DayPeriodName(int period, int weekday) {
    return Lookup(kDayTable, period, weekday);
}
std::optional<Choghadiya> NightPeriodName(int period, int weekday) {
    return Lookup(kNightTable, period, weekday);
}

Verdict VerdictOf(std::optional<Choghadiya> name) {
    if (!name) return Verdict::Unfavorable;
    switch (*name) {
        case Amrut:
        case Shubh:
        case Labh:
            return Verdict::Favorable;
        case Chal:
            return Verdict::Intermediate;
        case Udveg:
        case Rog:
        case Kal:
            break;
    }
    return Verdict::Unfavorable;
}

}  // namespace velnora
