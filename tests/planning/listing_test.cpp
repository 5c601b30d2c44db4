// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/listing.h"

#include <gtest/gtest.h>

#include "test_form.h"

namespace velnora {
namespace {

using testing_support::Ahmedabad;

FormValues At(FormValues f, LocalDateTime t) {
    f = OnDate(std::move(f), t.date());
    const ClockTime c = t.time();
    f.hour = c.hour;
    f.minute = c.minute;
    f.second = c.second;
    return f;
}

FormValues Place(FormValues f, const char* latD, const char* latM, bool south, const char* lonD,
                 const char* lonM, bool east, const char* zoneH, const char* zoneM) {
    f.latDegrees = latD;
    f.latMinutes = latM;
    f.south = south;
    f.lonDegrees = lonD;
    f.lonMinutes = lonM;
    f.east = east;
    f.zoneHour = zoneH;
    f.zoneMinute = zoneM;
    return f;
}

// Every listed period is named as the evaluation names a moment inside it, the
// entries follow each other without a gap, and each night changes its column at
// midnight, where the period that spans it is listed twice.
TEST(Listing, EveryListedPeriodIsWhatTheEvaluationSaysInsideIt) {
    const FormValues start = Ahmedabad(2024, 12, 10, 12, 0, 0);
    struct Row {
        const char* name;
        FormValues form;
    };
    const Row rows[] = {
        {"ahmedabad", start},
        // Solar midnight near 3:00 on Beijing time: most of the night before midnight.
        {"kashgar", Place(start, "39", "28", false, "75", "59", true, "-8", "0")},
        {"new_york", Place(start, "40", "42", false, "74", "0", false, "5", "0")},
        {"reykjavik", Place(start, "64", "8", false, "21", "56", false, "0", "0")},
        {"sydney", Place(start, "33", "52", true, "151", "12", true, "-11", "0")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto days = ListDays(row.form, 40);  // across a month and a year end
        ASSERT_EQ(days.size(), 40u);
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DayListing& d = days[i];
            ASSERT_FALSE(d.failure) << d.failure->text();
            EXPECT_EQ(d.date, AddDays({2024, 12, 10}, static_cast<int>(i)));
            EXPECT_EQ(d.day.front().start, d.evaluation.InputDaySunRise);
            EXPECT_EQ(d.night.front().start, d.evaluation.InputDaySunSet);
            EXPECT_EQ(d.night.back().end, d.evaluation.NextDaySunRise);
            if (i + 1 < days.size()) {
                EXPECT_EQ(d.night.back().end, days[i + 1].day.front().start);
            }
            const LocalDateTime midnight = LocalDateTime::From(AddDays(d.date, 1), {});
            int split = 0;
            std::vector<Period> all(d.day.begin(), d.day.end());
            all.insert(all.end(), d.night.begin(), d.night.end());
            for (std::size_t k = 0; k < all.size(); ++k) {
                const Period& p = all[k];
                ASSERT_LT(p.start, p.end);
                if (k > 0) {
                    EXPECT_EQ(p.start, all[k - 1].end);
                }
                if (k > 0 && p.night && all[k - 1].night && p.number == all[k - 1].number) {
                    ++split;
                    EXPECT_EQ(p.start, midnight);
                }
                EXPECT_EQ(p.weekday, WeekdayOf(p.start < midnight ? d.date : midnight.date()));
                // Its first and last second and one in the middle.
                for (const LocalDateTime inside :
                     {p.start + 1, p.start + (p.end - p.start) / 2, p.end + -1}) {
                    const Outcome o = Evaluate(At(row.form, inside));
                    ASSERT_TRUE(std::holds_alternative<Evaluation>(o));
                    EXPECT_EQ(std::get<Evaluation>(o).PeriodName, p.name)
                        << inside.seconds << " s, period " << p.number;
                }
            }
            EXPECT_LE(split, 1);
            EXPECT_EQ(d.night.size(), 8u + split);
        }
    }
}

// 5 March 2024 is a Tuesday: the night's fourth period spans midnight, and what
// follows midnight takes Wednesday's column.
TEST(Listing, TheNightChangesItsColumnAtMidnight) {
    const DayListing d = ListDay(Ahmedabad(2024, 3, 5, 9, 5, 0), {2024, 3, 5});
    ASSERT_FALSE(d.failure);
    const LocalDateTime midnight = LocalDateTime::From({2024, 3, 6}, {});
    ASSERT_EQ(d.night.size(), 9u);
    const Period& before = d.night[3];
    const Period& after = d.night[4];
    EXPECT_EQ(before.number, 4);
    EXPECT_EQ(after.number, 4);
    EXPECT_EQ(before.end, midnight);
    EXPECT_EQ(after.start, midnight);
    EXPECT_EQ(before.name, NightPeriodName(4, Tuesday));
    EXPECT_EQ(after.name, NightPeriodName(4, Wednesday));
    EXPECT_EQ(d.night[5].name, NightPeriodName(5, Wednesday));
    EXPECT_EQ(d.night[5].name, Choghadiya::Rog);
}

TEST(Listing, ADayWithoutSunriseIsListedWithItsReasonAndTheOthersStillCome) {
    // 70 N in late July: the midnight sun ends around the 24th.
    const FormValues f =
        Place(Ahmedabad(2024, 7, 20, 12, 0, 0), "70", "2", false, "25", "35", true, "-1", "0");
    const auto days = ListDays(f, 20);
    ASSERT_EQ(days.size(), 20u);
    EXPECT_TRUE(days.front().failure);
    EXPECT_EQ(days.front().failure->id, MessageId::SunDoesNotRiseOrSet);
    EXPECT_TRUE(days.front().night.empty());
    EXPECT_FALSE(days.back().failure);
    EXPECT_EQ(days.back().night.back().end, days.back().evaluation.NextDaySunRise);
}

// A date the place's clocks skipped has no periods of its own, and the year
// list's last date ends a listing that was asked to go further.
TEST(Listing, LeavesOutSkippedDatesAndEndsWithTheYearList) {
    const FormValues f = Ahmedabad(2050, 12, 28, 12, 0, 0);
    const ZoneForDate skipsThe30th = [](const Date& d, FormValues&) { return d.day != 30; };
    const auto days = ListDays(f, 10, skipsThe30th);
    std::vector<int> listed;
    for (const DayListing& d : days) {
        EXPECT_FALSE(d.failure) << d.date.day << ": " << d.failure->text();
        listed.push_back(d.date.day);
    }
    EXPECT_EQ(listed, (std::vector<int>{28, 29, 31}));
}

TEST(FindNext, FromTheTimeOfWork) {
    const PeriodWanted favorable{Verdict::Favorable, {}};
    struct Row {
        const char* name;
        FormValues form;
        PeriodWanted wanted;
        bool holds;
        LocalDateTime start;
    };
    const auto at = [](int y, int mo, int d, int h, int mi) {
        return LocalDateTime::From({y, mo, d}, {h, mi, 0});
    };
    // Ahmedabad, Tuesday 5 March 2024: day periods from 6:58, each 5302 s long.
    const Row rows[] = {
        // 9:05 is in Udveg; the third day period, Chal, is not favorable; the fourth is Labh.
        {"next_favorable_later_that_day", Ahmedabad(2024, 3, 5, 9, 5, 0), favorable, false,
         at(2024, 3, 5, 6, 58) + 3 * 5302},
        {"already_inside", Ahmedabad(2024, 3, 5, 12, 0, 0), favorable, true,
         at(2024, 3, 5, 6, 58) + 3 * 5302},
        {"by_name",
         Ahmedabad(2024, 3, 5, 9, 5, 0),
         {std::nullopt, Choghadiya::Chal},
         false,
         at(2024, 3, 5, 6, 58) + 2 * 5302},
        {"intermediate",
         Ahmedabad(2024, 3, 5, 9, 5, 0),
         {Verdict::Intermediate, {}},
         false,
         at(2024, 3, 5, 6, 58) + 2 * 5302},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto next = FindNext(row.form, row.wanted);
        ASSERT_TRUE(next);
        EXPECT_EQ(next->holdsTimeOfWork, row.holds);
        EXPECT_EQ(next->period.start, row.start);
        EXPECT_TRUE(row.wanted.Matches(next->period));
        if (row.holds) {
            EXPECT_EQ(next->remainingSeconds,
                      next->period.end - LocalDateTime::From({2024, 3, 5}, {12, 0, 0}));
        }
    }
}

// Saturday 9 March 2024 at 14:30 lies in Labh, the sixth day period, which the
// almanac marks Vaar Vela and Yamaganda; the next favorable period without a
// mark is Amrut, the seventh, from 15:48:12.
TEST(FindNext, ClearPassesOverMarkedPeriods) {
    const FormValues f = Ahmedabad(2024, 3, 9, 14, 30, 0);
    const auto marked = FindNext(f, {Verdict::Favorable, {}});
    ASSERT_TRUE(marked);
    EXPECT_TRUE(marked->holdsTimeOfWork);
    EXPECT_TRUE(marked->marks.Has(Mark::VaarVela));
    EXPECT_TRUE(marked->marks.Has(Mark::Yamaganda));
    const auto clear = FindNext(f, {Verdict::Favorable, {}, true});
    ASSERT_TRUE(clear);
    EXPECT_FALSE(clear->holdsTimeOfWork);
    EXPECT_TRUE(clear->marks.Empty());
    EXPECT_EQ(clear->period.name, Choghadiya::Amrut);
    EXPECT_EQ(clear->period.start, LocalDateTime::From({2024, 3, 9}, {15, 48, 12}));
}

// After midnight the night is named by the next date's column. At 23:30 on
// Tuesday 5 March the fourth night period is "Shubh" until midnight and "Chal"
// after it; the next "Labh" is the seventh period by Wednesday's column (by
// Tuesday's it would be "Rog").
TEST(FindNext, AfterMidnightByTheNextDatesColumn) {
    const FormValues f = Ahmedabad(2024, 3, 5, 23, 30, 0);
    const LocalDateTime midnight = LocalDateTime::From({2024, 3, 6}, {});
    const auto inside = FindNext(f, {Verdict::Favorable, {}});
    ASSERT_TRUE(inside);
    EXPECT_TRUE(inside->holdsTimeOfWork);
    EXPECT_EQ(inside->period.name, Choghadiya::Shubh);
    EXPECT_EQ(inside->period.end, midnight);
    EXPECT_EQ(inside->remainingSeconds, 1800);

    const auto labh = FindNext(f, {std::nullopt, Choghadiya::Labh});
    ASSERT_TRUE(labh);
    EXPECT_FALSE(labh->holdsTimeOfWork);
    EXPECT_EQ(labh->period.number, 7);
    EXPECT_EQ(labh->period.weekday, Wednesday);
    EXPECT_GT(labh->period.start, midnight);
    const Outcome o = Evaluate(At(f, labh->period.start + 60));
    EXPECT_EQ(std::get<Evaluation>(o).PeriodName, Choghadiya::Labh);
}

TEST(FindNext, NoneWithinEightDaysInThePolarNight) {
    // Svalbard: no sunrise from November to February.
    FormValues f =
        Place(Ahmedabad(2024, 12, 10, 12, 0, 0), "78", "2", false, "15", "35", true, "-1", "0");
    EXPECT_FALSE(FindNext(f, {Verdict::Favorable, {}}));
    // Near its end the search reaches the first sunrise within eight days.
    f = OnDate(f, {2025, 2, 12});
    const auto next = FindNext(f, {Verdict::Favorable, {}});
    ASSERT_TRUE(next);
    EXPECT_LE(next->period.start.date().day, 20);
}

}  // namespace
}  // namespace velnora
