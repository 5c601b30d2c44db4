// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/date_time.h"

#include <gtest/gtest.h>

namespace velnora {
namespace {

TEST(DateTime, DayOfYearCountsFromOneOnFirstJanuary) {
    struct Row {
        Date date;
        int dayOfYear;
    };
    for (const Row& row : {Row{{2026, 1, 1}, 1}, Row{{2026, 12, 31}, 365}, Row{{2024, 12, 31}, 366},
                           Row{{2024, 3, 1}, 61}, Row{{2023, 3, 1}, 60}, Row{{1900, 12, 31}, 365},
                           Row{{2000, 12, 31}, 366}}) {
        EXPECT_EQ(DayOfYear(row.date), row.dayOfYear) << row.date.year << "-" << row.date.month;
    }
}

TEST(DateTime, WeekdayCountsSundayAsOne) {
    EXPECT_EQ(WeekdayOf({2024, 3, 5}), Tuesday);
    EXPECT_EQ(WeekdayOf({2026, 1, 15}), Thursday);
    EXPECT_EQ(WeekdayOf({1901, 1, 1}), Tuesday);
    EXPECT_EQ(WeekdayOf({2050, 12, 31}), Saturday);
    EXPECT_EQ(WeekdayOf({2026, 12, 6}), Sunday);
}

TEST(DateTime, AddDaysCrossesMonthsYearsAndLeapDays) {
    EXPECT_EQ(AddDays({2024, 3, 1}, -1), (Date{2024, 2, 29}));
    EXPECT_EQ(AddDays({2023, 3, 1}, -1), (Date{2023, 2, 28}));
    EXPECT_EQ(AddDays({2050, 12, 31}, 1), (Date{2051, 1, 1}));
    EXPECT_EQ(AddDays({1901, 1, 1}, -1), (Date{1900, 12, 31}));
}

TEST(DateTime, ValuesBefore1970RoundTrip) {
    const auto t = LocalDateTime::From({1901, 1, 1}, {0, 0, 1});
    EXPECT_EQ(t.date(), (Date{1901, 1, 1}));
    EXPECT_EQ(t.time(), (ClockTime{0, 0, 1}));
    EXPECT_EQ(LocalDateTime::From({1900, 12, 31}, {23, 59, 59}).time(), (ClockTime{23, 59, 59}));
    EXPECT_EQ(t - LocalDateTime::From({1900, 12, 31}, {23, 59, 59}), 2);
}

TEST(DateTime, ValidDatesFollowTheGregorianCalendar) {
    EXPECT_TRUE(IsValidDate({2024, 2, 29}));
    EXPECT_FALSE(IsValidDate({2023, 2, 29}));
    EXPECT_FALSE(IsValidDate({2024, 4, 31}));
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
}

}  // namespace
}  // namespace velnora
