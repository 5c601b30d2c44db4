// SPDX-License-Identifier: GPL-3.0-or-later
// A span cut into its eight periods: their length, the period a moment falls
// in, and the 5 March 2024 example's day worked out by hand.
#include <gtest/gtest.h>

#include <variant>

#include "test_form.h"
#include "workflow/evaluation.h"

namespace velnora {
namespace {

TEST(Periods, LengthRoundsHalvesToEven) {
    EXPECT_EQ(PeriodLength(43260), 5408);  // 721 minutes
    EXPECT_EQ(PeriodLength(43140), 5392);  // 719 minutes: 5392.5 goes down
    EXPECT_EQ(PeriodLength(42420), 5302);
    EXPECT_EQ(PeriodLength(47340), 5918);  // 5917.5 goes up
}

TEST(Periods, BoundaryBelongsToTheEarlierPeriod) {
    struct Row {
        std::int64_t elapsed;
        int index;
    };
    for (const Row& row : {Row{0, 0}, Row{100, 0}, Row{101, 1}, Row{300, 2}, Row{301, 3},
                           Row{700, 6}, Row{701, 7}, Row{100000, 7}}) {
        EXPECT_EQ(FindPeriod(100, row.elapsed), row.index) << row.elapsed;
    }
}

// The 5 March 2024 example's day worked out by hand: sunrise 6:58, sunset 18:45,
// 42420 / 8 = 5302.5 seconds rounded to 5302 (1:28:22), the eighth period taking
// the 4 seconds left over; the names are the Tuesday column of the day table.
TEST(Periods, DayTableOfTheFifthOfMarch2024) {
    struct Row {
        LocalDateTime start, end;
        Choghadiya name;
        Verdict verdict;
    };
    const auto at = [](int hour, int minute, int second) {
        return LocalDateTime::From({2024, 3, 5}, {hour, minute, second});
    };
    const Row rows[kPeriodsPerSpan] = {
        {at(6, 58, 0), at(8, 26, 22), Choghadiya::Rog, Verdict::Unfavorable},
        {at(8, 26, 22), at(9, 54, 44), Choghadiya::Udveg, Verdict::Unfavorable},
        {at(9, 54, 44), at(11, 23, 6), Choghadiya::Chal, Verdict::Intermediate},
        {at(11, 23, 6), at(12, 51, 28), Choghadiya::Labh, Verdict::Favorable},
        {at(12, 51, 28), at(14, 19, 50), Choghadiya::Amrut, Verdict::Favorable},
        {at(14, 19, 50), at(15, 48, 12), Choghadiya::Kal, Verdict::Unfavorable},
        {at(15, 48, 12), at(17, 16, 34), Choghadiya::Shubh, Verdict::Favorable},
        {at(17, 16, 34), at(18, 45, 0), Choghadiya::Rog, Verdict::Unfavorable},
    };
    const Outcome outcome = Evaluate(testing_support::Ahmedabad(2024, 3, 5, 9, 5, 0));
    ASSERT_TRUE(std::holds_alternative<Evaluation>(outcome));
    const Evaluation& e = std::get<Evaluation>(outcome);
    const auto day = DayPeriods(e);
    for (int k = 0; k < kPeriodsPerSpan; ++k) {
        const Period& p = day[k];
        EXPECT_EQ(p.number, k + 1);
        EXPECT_EQ(p.start, rows[k].start) << "period " << k + 1;
        EXPECT_EQ(p.end, rows[k].end) << "period " << k + 1;
        EXPECT_EQ(p.name, rows[k].name) << "period " << k + 1;
        EXPECT_EQ(p.verdict, rows[k].verdict) << "period " << k + 1;
        EXPECT_FALSE(p.night);
        EXPECT_EQ(HoldsTimeOfWork(e, p), k == 1) << "period " << k + 1;
    }
}

}  // namespace
}  // namespace velnora
