// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choghadiya.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

#include "core/date_time.h"

namespace velnora {
namespace {

using enum Choghadiya;
using Name = std::optional<Choghadiya>;

ChoghadiyaState Flagged(std::initializer_list<int> indices, int weekday, Name name = {}) {
    ChoghadiyaState s;
    for (int i : indices) s.PeriodFlags[i] = true;
    s.WorkWeekday = weekday;
    s.PeriodName = name;
    return s;
}

Name Day(std::initializer_list<int> flags, int weekday, Name before = {}) {
    auto s = Flagged(flags, weekday, before);
    DayChoghadiya(s);
    return s.PeriodName;
}

Name Night(std::initializer_list<int> flags, int weekday, Name before = {}) {
    auto s = Flagged(flags, weekday, before);
    NightChoghadiya(s);
    return s.PeriodName;
}

TEST(Choghadiya, NamesTheFlaggedPeriod) {
    EXPECT_EQ(Day({2}, Friday), Amrut);
    EXPECT_EQ(Night({2}, Friday), Labh);
    EXPECT_EQ(Day({0}, Sunday), Udveg);
    EXPECT_EQ(Night({0}, Sunday), Shubh);
    EXPECT_EQ(Day({7}, Saturday), Kal);
    EXPECT_EQ(Night({7}, Saturday), Labh);
}

TEST(Choghadiya, HighestFlagWins) { EXPECT_EQ(Day({1, 4}, Monday), Udveg); }

TEST(Choghadiya, NoFlagOrUnknownWeekdayKeepsThePreviousName) {
    EXPECT_EQ(Day({}, Monday), std::nullopt);
    EXPECT_EQ(Day({}, Monday, Rog), Rog);
    EXPECT_EQ(Night({3}, 0, Labh), Labh);
    EXPECT_EQ(Night({3}, 8, Labh), Labh);
}

// Builds each column from the cycles the tables are made of, independently of the
// stored tables: the day cycle from each weekday's first name, period 8 repeating
// period 1, and the night starting five places further on in the day cycle.
TEST(Choghadiya, TablesFollowTheirCycles) {
    const std::array<Choghadiya, 7> dayCycle = {Udveg, Chal, Labh, Amrut, Kal, Shubh, Rog};
    const std::array<Choghadiya, 7> nightCycle = {Shubh, Amrut, Chal, Rog, Kal, Labh, Udveg};
    const std::array<Choghadiya, 7> firstDay = {Udveg, Amrut, Rog, Labh, Shubh, Chal, Kal};
    auto indexIn = [](const auto& cycle, Choghadiya name) {
        return static_cast<int>(std::find(cycle.begin(), cycle.end(), name) - cycle.begin());
    };
    for (int weekday = 1; weekday <= kDaysPerWeek; ++weekday) {
        const int d0 = indexIn(dayCycle, firstDay[weekday - 1]);
        const Choghadiya firstNight = dayCycle[(d0 + 5) % 7];
        const int n0 = indexIn(nightCycle, firstNight);
        for (int period = 1; period <= kPeriodsPerSpan; ++period) {
            const int step = (period - 1) % 7;
            EXPECT_EQ(DayPeriodName(period, weekday), dayCycle[(d0 + step) % 7])
                << "day " << period << " weekday " << weekday;
            EXPECT_EQ(NightPeriodName(period, weekday), nightCycle[(n0 + step) % 7])
                << "night " << period << " weekday " << weekday;
            EXPECT_EQ(Day({period - 1}, weekday), DayPeriodName(period, weekday));
            EXPECT_EQ(Night({period - 1}, weekday), NightPeriodName(period, weekday));
        }
    }
    EXPECT_EQ(DayPeriodName(0, 1), std::nullopt);
    EXPECT_EQ(NightPeriodName(9, 1), std::nullopt);
    EXPECT_EQ(DayPeriodName(1, 8), std::nullopt);
}

TEST(Choghadiya, Verdicts) {
    struct Row {
        Name name;
        Verdict verdict;
    };
    for (const Row& row :
         {Row{Amrut, Verdict::Favorable}, Row{Shubh, Verdict::Favorable},
          Row{Labh, Verdict::Favorable}, Row{Chal, Verdict::Intermediate},
          Row{Udveg, Verdict::Unfavorable}, Row{Rog, Verdict::Unfavorable},
          Row{Kal, Verdict::Unfavorable}, Row{std::nullopt, Verdict::Unfavorable}}) {
        EXPECT_EQ(VerdictOf(row.name), row.verdict)
            << (row.name ? static_cast<int>(*row.name) : -1);
    }
}

}  // namespace
}  // namespace velnora
