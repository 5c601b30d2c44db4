// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/evaluation.h"

#include <gtest/gtest.h>

#include <limits>

#include "test_form.h"

namespace velnora {
namespace {

using testing_support::Ahmedabad;
using testing_support::Reykjavik;

Evaluation MustEvaluate(const FormValues& f) {
    Outcome outcome = Evaluate(f);
    if (auto* failure = std::get_if<Failure>(&outcome)) {
        ADD_FAILURE() << "refused: " << MessageText(failure->message.id);
        return {};
    }
    return std::get<Evaluation>(std::move(outcome));
}

LocalDateTime At(int year, int month, int day, int hour, int minute) {
    return LocalDateTime::From({year, month, day}, {hour, minute, 0});
}

Failure MustFail(const FormValues& f) {
    Outcome outcome = Evaluate(f);
    if (!std::holds_alternative<Failure>(outcome)) {
        ADD_FAILURE() << "expected a failure";
        return {};
    }
    return std::get<Failure>(outcome);
}

TEST(Evaluate, FifthOfMarch2024IsUdvegAndUnfavorable) {
    const Evaluation e = MustEvaluate(Ahmedabad(2024, 3, 5, 9, 5, 0));
    const EvaluationResult& r = e.result;
    EXPECT_EQ(r.name, "RAM");
    EXPECT_EQ(r.dateOfWork, (Date{2024, 3, 5}));
    EXPECT_EQ(r.timeOfWork, (ClockTime{9, 5, 0}));
    EXPECT_EQ(r.latitude, (Angle{23, 2, Hemisphere::North}));
    EXPECT_EQ(r.longitude, (Angle{72, 35, Hemisphere::East}));
    EXPECT_EQ(r.inputDaySunRise, At(2024, 3, 5, 6, 58));
    EXPECT_EQ(r.inputDaySunSet, At(2024, 3, 5, 18, 45));
    EXPECT_EQ(r.zone.hours, -5);
    EXPECT_EQ(r.zone.minutes, -30);
    EXPECT_EQ(e.span, SpanKind::Daylight);
    EXPECT_EQ(e.SpanSeconds, 42420);
    EXPECT_EQ(e.PeriodSeconds, 5302);
    EXPECT_EQ(e.ElapsedSeconds, 7620);
    EXPECT_EQ(e.periodIndex, 1);
    EXPECT_EQ(e.WorkWeekday, Tuesday);
    EXPECT_EQ(r.period, Choghadiya::Udveg);
    EXPECT_EQ(r.verdict, Verdict::Unfavorable);
}

struct SpanRow {
    const char* name;
    ClockTime work;
    SpanKind span;
    std::int64_t spanSeconds;
    std::int32_t periodSeconds;
    std::int64_t elapsedSeconds;
    int periodIndex;
    Choghadiya periodName;
    Verdict verdict;
};

class FifteenthOfJanuary2026 : public testing::TestWithParam<SpanRow> {};

TEST_P(FifteenthOfJanuary2026, FindsSpanPeriodAndName) {
    const SpanRow& row = GetParam();
    const Evaluation e =
        MustEvaluate(Ahmedabad(2026, 1, 15, row.work.hour, row.work.minute, row.work.second));
    EXPECT_EQ(e.WorkWeekday, Thursday);
    EXPECT_EQ(e.span, row.span);
    if (row.spanSeconds) {
        EXPECT_EQ(e.SpanSeconds, row.spanSeconds);
        EXPECT_EQ(e.PeriodSeconds, row.periodSeconds);
        EXPECT_EQ(e.ElapsedSeconds, row.elapsedSeconds);
    }
    EXPECT_EQ(e.periodIndex, row.periodIndex);
    EXPECT_EQ(e.result.period, row.periodName);
    EXPECT_EQ(e.result.verdict, row.verdict);
}

INSTANTIATE_TEST_SUITE_P(WorkedExample, FifteenthOfJanuary2026,
                         testing::Values(SpanRow{"noon_is_daylight",
                                                 {12, 0, 0},
                                                 SpanKind::Daylight,
                                                 39120,
                                                 4890,
                                                 16620,
                                                 3,
                                                 Choghadiya::Chal,
                                                 Verdict::Intermediate},
                                         SpanRow{"five_am_is_night_before_sunrise",
                                                 {5, 0, 0},
                                                 SpanKind::NightBeforeSunrise,
                                                 47340,
                                                 5918,
                                                 38760,
                                                 6,
                                                 Choghadiya::Shubh,
                                                 Verdict::Favorable},
                                         SpanRow{"eight_pm_is_night_after_sunset",
                                                 {20, 0, 0},
                                                 SpanKind::NightAfterSunset,
                                                 47280,
                                                 5910,
                                                 6300,
                                                 1,
                                                 Choghadiya::Chal,
                                                 Verdict::Intermediate},
                                         SpanRow{"sunset_itself_is_the_eighth_day_period",
                                                 {18, 15, 0},
                                                 SpanKind::Daylight,
                                                 39120,
                                                 4890,
                                                 39120,
                                                 7,
                                                 Choghadiya::Shubh,
                                                 Verdict::Favorable},
                                         SpanRow{"one_second_after_sunset_is_night",
                                                 {18, 15, 1},
                                                 SpanKind::NightAfterSunset,
                                                 47280,
                                                 5910,
                                                 1,
                                                 0,
                                                 Choghadiya::Amrut,
                                                 Verdict::Favorable},
                                         SpanRow{"sunrise_itself_is_the_first_day_period",
                                                 {7, 23, 0},
                                                 SpanKind::Daylight,
                                                 39120,
                                                 4890,
                                                 0,
                                                 0,
                                                 Choghadiya::Shubh,
                                                 Verdict::Favorable},
                                         SpanRow{
                                             "one_second_before_sunrise_is_the_eighth_night_period",
                                             {7, 22, 59},
                                             SpanKind::NightBeforeSunrise,
                                             47340,
                                             5918,
                                             47339,
                                             7,
                                             Choghadiya::Amrut,
                                             Verdict::Favorable}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(Evaluate, NightBeforeSunriseTakesTheWeekdayOfTheDateOfWork) {
    // Monday 12 January 2026, 00:30: the night began on Sunday at 18:12 and ends at
    // 7:23, 47460 seconds in eight periods of 5932 (5932.5 to even). 00:30 lies
    // 22680 seconds in, in the fourth period: Labh in Monday's column (Sunday's
    // would say Rog).
    const Evaluation e = MustEvaluate(Ahmedabad(2026, 1, 12, 0, 30, 0));
    EXPECT_EQ(e.span, SpanKind::NightBeforeSunrise);
    EXPECT_EQ(e.WorkWeekday, Monday);
    EXPECT_EQ(e.spanStart, At(2026, 1, 11, 18, 12));
    EXPECT_EQ(e.spanEnd, At(2026, 1, 12, 7, 23));
    EXPECT_EQ(e.periodIndex, 3);
    EXPECT_EQ(e.result.period, Choghadiya::Labh);
    EXPECT_EQ(e.result.verdict, Verdict::Favorable);
}

TEST(Evaluate, NeighbouringDaysCrossMonthAndYearEnds) {
    const Evaluation march = MustEvaluate(Ahmedabad(2024, 3, 1, 12, 0, 0));
    EXPECT_EQ(march.result.previousDaySunRise.date(), (Date{2024, 2, 29}));
    EXPECT_EQ(march.result.nextDaySunSet.date(), (Date{2024, 3, 2}));
    const Evaluation last = MustEvaluate(Ahmedabad(2050, 12, 31, 12, 0, 0));
    EXPECT_EQ(last.result.nextDaySunRise.date(), (Date{2051, 1, 1}));
    EXPECT_EQ(last.result.previousDaySunSet.date(), (Date{2050, 12, 30}));
}

TEST(Evaluate, WritesTheUsersDetailsAsEntered) {
    FormValues f = Ahmedabad(1901, 1, 1, 0, 0, 0);
    f.name = "  RAM K ";
    f.latDegrees = "0";
    f.latMinutes = "0";
    f.lonDegrees = " 05";
    f.lonMinutes = "7.5";  // rounds to the even neighbour, 8
    f.east = false;
    f.zoneHour = "0";
    f.zoneMinute = "0";
    f.city = "Surat ";
    f.state = "Gujarat";
    f.country = "India";
    const Evaluation e = MustEvaluate(f);
    const EvaluationResult& r = e.result;
    EXPECT_EQ(r.name, "  RAM K ");
    EXPECT_EQ(r.dateOfWork, (Date{1901, 1, 1}));
    EXPECT_EQ(r.timeOfWork, (ClockTime{0, 0, 0}));
    EXPECT_EQ(r.latitude, (Angle{0, 0, Hemisphere::North}));
    EXPECT_EQ(r.longitude, (Angle{5, 8, Hemisphere::West}));
    EXPECT_EQ(r.city, "Surat ");
    EXPECT_EQ(r.state, "Gujarat");
    EXPECT_EQ(r.country, "India");
    f.south = true;
    f.latDegrees = "33";
    EXPECT_EQ(MustEvaluate(f).result.latitude, (Angle{33, 0, Hemisphere::South}));
}

TEST(Evaluate, RefusalsComeWithTheirMessageAndNoResult) {
    struct Row {
        const char* name;
        void (*change)(FormValues&);
        FailureKind kind;
        Message message;
    };
    const Row rows[] = {
        {"validation_first",
         [](FormValues& f) { f.name = ""; },
         FailureKind::Refused,
         {MessageId::EnterName, Field::txtName}},
        {"empty_zone_hour",
         [](FormValues& f) { f.zoneHour = ""; },
         FailureKind::Refused,
         {MessageId::EnterTimeZone, Field::txtZoneHour}},
        {"non_numeric_zone_minute",
         [](FormValues& f) { f.zoneMinute = "3O"; },
         FailureKind::Refused,
         {MessageId::EnterTimeZone, Field::txtZoneMinute}},
        {"degree_text_12a",
         [](FormValues& f) { f.lonDegrees = "12a"; },
         FailureKind::Refused,
         {MessageId::LongitudeDegrees, Field::txtLonD}},
        {"degree_text_abc",
         [](FormValues& f) { f.latDegrees = "abc"; },
         FailureKind::Refused,
         {MessageId::LatitudeDegrees, Field::txtLatD}},
        {"midnight_sun",
         [](FormValues& f) {
             f.latDegrees = "70";
             f.lonDegrees = "25";
             f.month = 5;
             f.day = 20;
             f.year = 2026 - kFirstYear;
         },
         FailureKind::NoSunriseSunset,
         {MessageId::SunDoesNotRiseOrSet, Field::None}},
        {"list_position_out_of_range",
         [](FormValues& f) { f.hour = 24; },
         FailureKind::Refused,
         {MessageId::CorrectTimeOfWork, Field::None}},
        {"year_position_far_outside_the_list",
         [](FormValues& f) {
             f.month = 1;
             f.day = 28;
             f.year = std::numeric_limits<int>::max();
         },
         FailureKind::Refused,
         {MessageId::CorrectDateOfWork, Field::None}},
    };
    for (const Row& row : rows) {
        FormValues f = Ahmedabad(2024, 3, 5, 9, 5, 0);
        row.change(f);
        const Failure failure = MustFail(f);
        EXPECT_EQ(failure.kind, row.kind) << row.name;
        EXPECT_EQ(failure.message, row.message) << row.name;
    }
}

// Sunset after local midnight on any of the three days, or a zone no place on Earth
// keeps: refused, never a day that runs backwards.
TEST(Evaluate, RefusesADayThatRunsBackwards) {
    const Message backwards{MessageId::SunTimesNotOnThisDate, Field::None};
    const Message zone{MessageId::EnterTimeZone, Field::txtZoneHour};
    struct Row {
        const char* name;
        FormValues form;
        FailureKind kind;
        Message message;
    };
    const auto zoned = [](const char* hours, const char* minutes) {
        FormValues f = Ahmedabad(2026, 1, 15, 12, 0, 0);
        f.zoneHour = hours;
        f.zoneMinute = minutes;
        return f;
    };
    const Row rows[] = {
        {"reykjavik_midsummer", Reykjavik(2024, 6, 21, 12, 0, 0), FailureKind::NoSunriseSunset,
         backwards},
        {"only_the_day_after",
         Reykjavik(2024, 6, 15, 12, 0, 0),
         FailureKind::NoSunriseSunset,
         {MessageId::NeighbourSunSetAfterMidnight, Field::None, Date{2024, 6, 16}}},
        {"only_the_day_before",
         Reykjavik(2024, 6, 29, 12, 0, 0),
         FailureKind::NoSunriseSunset,
         {MessageId::NeighbourSunSetAfterMidnight, Field::None, Date{2024, 6, 28}}},
        {"zone_far_east_of_the_place", zoned("-14", "0"), FailureKind::NoSunriseSunset, backwards},
        {"india_typed_with_the_western_sign",
         zoned("5", "30"),
         FailureKind::NoSunriseSunset,
         {MessageId::CheckZoneSign, Field::txtZoneHour}},
        {"zone_of_99_hours", zoned("99", "0"), FailureKind::Refused, zone},
        {"zone_of_15_hours_east", zoned("-15", "0"), FailureKind::Refused, zone},
        {"minutes_carry_the_zone_past_14_hours", zoned("14", "-1"), FailureKind::Refused, zone},
        {"minutes_alone_past_14_hours", zoned("0", "900"), FailureKind::Refused, zone},
    };
    for (const Row& row : rows) {
        const Failure failure = MustFail(row.form);
        EXPECT_EQ(failure.kind, row.kind) << row.name;
        EXPECT_EQ(failure.message, row.message) << row.name;
    }
    EXPECT_EQ(MustFail(Reykjavik(2024, 6, 15, 12, 0, 0)).message,
              (Message{MessageId::NeighbourSunSetAfterMidnight, Field::None, Date{2024, 6, 16}}));
}

// Days that end just before midnight, and the farthest zone there is, keep the
// result they always had.
TEST(Evaluate, DaysInOrderNearMidnightKeepTheirResult) {
    struct Row {
        const char* name;
        FormValues form;
        std::array<LocalDateTime, 6> sunTimes;  // day before, the day, day after
        SpanKind span;
        Choghadiya periodName;
    };
    const Row rows[] = {
        {"reykjavik_sunset_at_11_58_pm",
         Reykjavik(2024, 6, 14, 23, 59, 0),
         {At(2024, 6, 13, 3, 0), At(2024, 6, 13, 23, 56), At(2024, 6, 14, 2, 59),
          At(2024, 6, 14, 23, 58), At(2024, 6, 15, 2, 58), At(2024, 6, 15, 23, 59)},
         SpanKind::NightAfterSunset,
         Choghadiya::Rog},
        {"zone_14_hours_west",
         [] {
             FormValues f = Ahmedabad(2026, 1, 15, 12, 0, 0);
             f.zoneHour = "14";
             f.zoneMinute = "0";
             return f;
         }(),
         {At(2026, 1, 14, 11, 53), At(2026, 1, 14, 22, 44), At(2026, 1, 15, 11, 53),
          At(2026, 1, 15, 22, 45), At(2026, 1, 16, 11, 53), At(2026, 1, 16, 22, 45)},
         SpanKind::Daylight,
         Choghadiya::Shubh},
    };
    for (const Row& row : rows) {
        const Evaluation e = MustEvaluate(row.form);
        const EvaluationResult& r = e.result;
        const std::array<LocalDateTime, 6> shown{r.previousDaySunRise, r.previousDaySunSet,
                                                 r.inputDaySunRise,    r.inputDaySunSet,
                                                 r.nextDaySunRise,     r.nextDaySunSet};
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i], row.sunTimes[i]) << row.name << " sun time " << i;
        }
        EXPECT_EQ(e.span, row.span) << row.name;
        EXPECT_EQ(r.period, row.periodName) << row.name;
    }
}

}  // namespace
}  // namespace velnora
