// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choghadiya.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/date_time.h"

namespace velnora {
namespace {

ChoghadiyaState Flagged(std::initializer_list<int> indices, int weekday, std::string name = {}) {
    ChoghadiyaState s;
    for (int i : indices) s.PeriodFlags[i] = true;
    s.WorkWeekday = weekday;
    s.PeriodName = std::move(name);
    return s;
}

std::string Day(std::initializer_list<int> flags, int weekday, std::string before = {}) {
    auto s = Flagged(flags, weekday, std::move(before));
    DayChoghadiya(s);
    return s.PeriodName;
}

std::string Night(std::initializer_list<int> flags, int weekday, std::string before = {}) {
    auto s = Flagged(flags, weekday, std::move(before));
    NightChoghadiya(s);
    return s.PeriodName;
}

TEST(Choghadiya, NamesTheFlaggedPeriod) {
    EXPECT_EQ(Day({2}, Friday), "Amrut");
    EXPECT_EQ(Night({2}, Friday), "Labh");
    EXPECT_EQ(Day({0}, Sunday), "Udveg");
    EXPECT_EQ(Night({0}, Sunday), "Shubh");
    EXPECT_EQ(Day({7}, Saturday), "Kal");
    EXPECT_EQ(Night({7}, Saturday), "Labh");
}

TEST(Choghadiya, HighestFlagWins) { EXPECT_EQ(Day({1, 4}, Monday), "Udveg"); }

TEST(Choghadiya, NoFlagOrUnknownWeekdayKeepsThePreviousName) {
    EXPECT_EQ(Day({}, Monday), "");
    EXPECT_EQ(Day({}, Monday, "Rog"), "Rog");
    EXPECT_EQ(Night({3}, 0, "Labh"), "Labh");
    EXPECT_EQ(Night({3}, 8, "Labh"), "Labh");
}

// Builds each column from the cycles the tables are made of, independently of the
// stored tables: the day cycle from each weekday's first name, period 8 repeating
// period 1, and the night starting five places further on in the day cycle.
TEST(Choghadiya, TablesFollowTheirCycles) {
    const std::array<std::string, 7> dayCycle = {"Udveg", "Chal",  "Labh", "Amrut",
                                                 "Kal",   "Shubh", "Rog"};
    const std::array<std::string, 7> nightCycle = {"Shubh", "Amrut", "Chal", "Rog",
                                                   "Kal",   "Labh",  "Udveg"};
    const std::array<std::string, 7> firstDay = {"Udveg", "Amrut", "Rog", "Labh",
                                                 "Shubh", "Chal",  "Kal"};
    auto indexIn = [](const auto& cycle, const std::string& name) {
        return static_cast<int>(std::find(cycle.begin(), cycle.end(), name) - cycle.begin());
    };
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const int d0 = indexIn(dayCycle, firstDay[weekday - 1]);
        const std::string firstNight = dayCycle[(d0 + 5) % 7];
        const int n0 = indexIn(nightCycle, firstNight);
        for (int period = 1; period <= 8; ++period) {
            const int step = (period - 1) % 7;
            EXPECT_EQ(DayPeriodName(period, weekday), dayCycle[(d0 + step) % 7])
                << "day " << period << " weekday " << weekday;
            EXPECT_EQ(NightPeriodName(period, weekday), nightCycle[(n0 + step) % 7])
                << "night " << period << " weekday " << weekday;
            EXPECT_EQ(Day({period - 1}, weekday), DayPeriodName(period, weekday));
            EXPECT_EQ(Night({period - 1}, weekday), NightPeriodName(period, weekday));
        }
    }
    EXPECT_EQ(DayPeriodName(0, 1), "");
    EXPECT_EQ(NightPeriodName(9, 1), "");
}

TEST(Choghadiya, VerdictComparesNamesExactly) {
    struct Row {
        const char* name;
        Verdict verdict;
    };
    for (const Row& row : {Row{"Amrut", Verdict::Favorable}, Row{"Shubh", Verdict::Favorable},
                           Row{"Labh", Verdict::Favorable}, Row{"Chal", Verdict::Intermediate},
                           Row{"Udveg", Verdict::Unfavorable}, Row{"Rog", Verdict::Unfavorable},
                           Row{"Kal", Verdict::Unfavorable}, Row{"amrut", Verdict::Unfavorable},
                           Row{"Chal ", Verdict::Unfavorable}, Row{"", Verdict::Unfavorable}}) {
        EXPECT_EQ(VerdictOf(row.name), row.verdict) << '"' << row.name << '"';
    }
    EXPECT_EQ(VerdictText(Verdict::Favorable), "Time period for work can be favorable.");
    EXPECT_EQ(VerdictText(Verdict::Intermediate), "Time period for work can be intermediate.");
    EXPECT_EQ(VerdictText(Verdict::Unfavorable), "Time period for work can be unfavorable.");
}

}  // namespace
}  // namespace velnora
