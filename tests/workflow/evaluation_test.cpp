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
        ADD_FAILURE() << "refused: " << failure->message.text();
        return {};
    }
    return std::get<Evaluation>(std::move(outcome));
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
    EXPECT_EQ(e.texts.lblName, "RAM");
    EXPECT_EQ(e.texts.lblDOB, "March/5/2024");
    EXPECT_EQ(e.texts.lblTOB, "9:5");
    EXPECT_EQ(e.texts.lblLatitude, "23\u00B0 2' N");
    EXPECT_EQ(e.texts.lblLongitude, "72\u00B0 35' E");
    EXPECT_EQ(e.texts.lblInputDaySunRiseTime, "3/5/2024 6:58:00 AM");
    EXPECT_EQ(e.texts.lblInputDaySunSetTime, "3/5/2024 6:45:00 PM");
    EXPECT_EQ(e.span, SpanKind::Daylight);
    EXPECT_EQ(e.SpanSeconds, 42420);
    EXPECT_EQ(e.PeriodSeconds, 5302);
    EXPECT_EQ(e.ElapsedSeconds, 7620);
    EXPECT_EQ(e.periodIndex, 1);
    EXPECT_EQ(e.WorkWeekday, Tuesday);
    EXPECT_EQ(e.texts.lblChaghodiya, "Udveg");
    EXPECT_EQ(e.texts.lblTimePeriod, "Time period for work can be unfavorable.");
}

struct SpanRow {
    const char* name;
    ClockTime work;
    SpanKind span;
    std::int64_t spanSeconds;
    std::int32_t periodSeconds;
    std::int64_t elapsedSeconds;
    int periodIndex;
    const char* periodName;
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
    EXPECT_EQ(e.texts.lblChaghodiya, row.periodName);
    EXPECT_EQ(e.verdict, row.verdict);
    EXPECT_EQ(e.texts.lblTimePeriod, VerdictText(row.verdict));
}

INSTANTIATE_TEST_SUITE_P(WorkedExample, FifteenthOfJanuary2026,
                         testing::Values(SpanRow{"noon_is_daylight",
                                                 {12, 0, 0},
                                                 SpanKind::Daylight,
                                                 39120,
                                                 4890,
                                                 16620,
                                                 3,
                                                 "Chal",
                                                 Verdict::Intermediate},
                                         SpanRow{"five_am_is_night_before_sunrise",
                                                 {5, 0, 0},
                                                 SpanKind::NightBeforeSunrise,
                                                 47340,
                                                 5918,
                                                 38760,
                                                 6,
                                                 "Shubh",
                                                 Verdict::Favorable},
                                         SpanRow{"eight_pm_is_night_after_sunset",
                                                 {20, 0, 0},
                                                 SpanKind::NightAfterSunset,
                                                 47280,
                                                 5910,
                                                 6300,
                                                 1,
                                                 "Chal",
                                                 Verdict::Intermediate},
                                         SpanRow{"sunset_itself_is_the_eighth_day_period",
                                                 {18, 15, 0},
                                                 SpanKind::Daylight,
                                                 39120,
                                                 4890,
                                                 39120,
                                                 7,
                                                 "Shubh",
                                                 Verdict::Favorable},
                                         SpanRow{"one_second_after_sunset_is_night",
                                                 {18, 15, 1},
                                                 SpanKind::NightAfterSunset,
                                                 47280,
                                                 5910,
                                                 1,
                                                 0,
                                                 "Amrut",
                                                 Verdict::Favorable},
                                         SpanRow{"sunrise_itself_is_the_first_day_period",
                                                 {7, 23, 0},
                                                 SpanKind::Daylight,
                                                 39120,
                                                 4890,
                                                 0,
                                                 0,
                                                 "Shubh",
                                                 Verdict::Favorable},
                                         SpanRow{
                                             "one_second_before_sunrise_is_the_eighth_night_period",
                                             {7, 22, 59},
                                             SpanKind::NightBeforeSunrise,
                                             47340,
                                             5918,
                                             47339,
                                             7,
                                             "Amrut",
                                             Verdict::Favorable}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(Evaluate, NightBeforeSunriseTakesTheWeekdayOfTheDateOfWork) {
    // Monday 12 January 2026, 00:30: the night began on Sunday, the column is Monday's.
    const Evaluation e = MustEvaluate(Ahmedabad(2026, 1, 12, 0, 30, 0));
    EXPECT_EQ(e.span, SpanKind::NightBeforeSunrise);
    EXPECT_EQ(e.WorkWeekday, Monday);
    EXPECT_EQ(e.spanStart.date(), (Date{2026, 1, 11}));
    EXPECT_EQ(e.texts.lblChaghodiya, NightPeriodName(e.periodIndex + 1, Monday));
    EXPECT_EQ(e.texts.lblTOB, "0:30");
}

TEST(Evaluate, NeighbouringDaysCrossMonthAndYearEnds) {
    const Evaluation march = MustEvaluate(Ahmedabad(2024, 3, 1, 12, 0, 0));
    EXPECT_EQ(march.texts.lblPreviousDaySunRiseTime.rfind("2/29/2024 ", 0), 0u);
    EXPECT_EQ(march.texts.lblNextDaySunSetTime.rfind("3/2/2024 ", 0), 0u);
    const Evaluation last = MustEvaluate(Ahmedabad(2050, 12, 31, 12, 0, 0));
    EXPECT_EQ(last.texts.lblNextDaySunRiseTime.rfind("1/1/2051 ", 0), 0u);
    EXPECT_EQ(last.texts.lblPreviousDaySunSetTime.rfind("12/30/2050 ", 0), 0u);
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
    EXPECT_EQ(e.texts.lblName, "  RAM K ");
    EXPECT_EQ(e.texts.lblDOB, "January/1/1901");
    EXPECT_EQ(e.texts.lblTOB, "0:0");
    EXPECT_EQ(e.texts.lblLatitude, "0\u00B0 0' N");
    EXPECT_EQ(e.texts.lblLongitude, "5\u00B0 8' W");
    EXPECT_EQ(e.texts.lblCity, "Surat ");
    EXPECT_EQ(e.texts.lblState, "Gujarat");
    EXPECT_EQ(e.texts.lblCountry, "India");
    f.south = true;
    f.latDegrees = "33";
    EXPECT_EQ(MustEvaluate(f).texts.lblLatitude, "33\u00B0 0' S");
}

TEST(Evaluate, SunTimesUseTheGivenFormatter) {
    const auto iso = [](const LocalDateTime& t) {
        char text[32];
        const Date d = t.date();
        const ClockTime c = t.time();
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day, c.hour,
                      c.minute);
        return std::string(text);
    };
    const Outcome outcome = Evaluate(Ahmedabad(2024, 3, 5, 9, 5, 0), iso);
    const auto& e = std::get<Evaluation>(outcome);
    EXPECT_EQ(e.texts.lblInputDaySunRiseTime, "2024-03-05 06:58");
    EXPECT_EQ(e.texts.lblInputDaySunSetTime, "2024-03-05 18:45");
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
        {"only_the_day_after", Reykjavik(2024, 6, 15, 12, 0, 0), FailureKind::NoSunriseSunset,
         backwards},
        {"only_the_day_before", Reykjavik(2024, 6, 29, 12, 0, 0), FailureKind::NoSunriseSunset,
         backwards},
        {"zone_far_east_of_the_place", zoned("-14", "0"), FailureKind::NoSunriseSunset, backwards},
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
}

// Days that end just before midnight, and the farthest zone there is, keep the
// result they always had.
TEST(Evaluate, DaysInOrderNearMidnightKeepTheirResult) {
    struct Row {
        const char* name;
        FormValues form;
        std::array<const char*, 6> sunTimes;  // day before, the day, day after
        SpanKind span;
        const char* periodName;
    };
    const Row rows[] = {
        {"reykjavik_sunset_at_11_58_pm",
         Reykjavik(2024, 6, 14, 23, 59, 0),
         {"6/13/2024 3:00:00 AM", "6/13/2024 11:56:00 PM", "6/14/2024 2:59:00 AM",
          "6/14/2024 11:58:00 PM", "6/15/2024 2:58:00 AM", "6/15/2024 11:59:00 PM"},
         SpanKind::NightAfterSunset,
         "Rog"},
        {"zone_14_hours_west",
         [] {
             FormValues f = Ahmedabad(2026, 1, 15, 12, 0, 0);
             f.zoneHour = "14";
             f.zoneMinute = "0";
             return f;
         }(),
         {"1/14/2026 11:53:00 AM", "1/14/2026 10:44:00 PM", "1/15/2026 11:53:00 AM",
          "1/15/2026 10:45:00 PM", "1/16/2026 11:53:00 AM", "1/16/2026 10:45:00 PM"},
         SpanKind::Daylight,
         "Shubh"},
    };
    for (const Row& row : rows) {
        const Evaluation e = MustEvaluate(row.form);
        const EvaluationResult& r = e.texts;
        const std::array<std::string, 6> shown{
            r.lblPreviousDaySunRiseTime, r.lblPreviousDaySunSetTime, r.lblInputDaySunRiseTime,
            r.lblInputDaySunSetTime,     r.lblNextDaySunRiseTime,    r.lblNextDaySunSetTime};
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i], row.sunTimes[i]) << row.name << " sun time " << i;
        }
        EXPECT_EQ(e.span, row.span) << row.name;
        EXPECT_EQ(r.lblChaghodiya, row.periodName) << row.name;
    }
}

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

TEST(Periods, DayTableCoversTheDaylight) {
    const Evaluation e = MustEvaluate(Ahmedabad(2024, 3, 5, 9, 5, 0));
    const auto check = [](const std::array<Period, 8>& periods, LocalDateTime start,
                          LocalDateTime end, auto name) {
        EXPECT_EQ(periods.front().start, start);
        EXPECT_EQ(periods.back().end, end);
        for (int k = 0; k < 8; ++k) {
            const Period& p = periods[k];
            EXPECT_EQ(p.number, k + 1);
            if (k > 0) {
                EXPECT_EQ(p.start, periods[k - 1].end);
            }
            EXPECT_EQ(p.name, name(k + 1, Tuesday));
            EXPECT_EQ(p.verdict, VerdictOf(p.name));
        }
    };
    check(DayPeriods(e), e.InputDaySunRise, e.InputDaySunSet, DayPeriodName);
    // The time of work lies in the day period the evaluation named.
    const auto day = DayPeriods(e);
    const Period& second = day[1];
    EXPECT_LT(second.start, e.WorkTime);
    EXPECT_LE(e.WorkTime, second.end);
}

TEST(FormatUsGeneralDate, ShortDateAndLongTime) {
    struct Row {
        ClockTime time;
        const char* text;
    };
    for (const Row& row :
         {Row{{6, 12, 0}, "3/5/2024 6:12:00 AM"}, Row{{0, 0, 0}, "3/5/2024"},
          Row{{0, 0, 1}, "3/5/2024 12:00:01 AM"}, Row{{12, 0, 0}, "3/5/2024 12:00:00 PM"},
          Row{{18, 45, 0}, "3/5/2024 6:45:00 PM"}, Row{{23, 59, 59}, "3/5/2024 11:59:59 PM"}}) {
        EXPECT_EQ(FormatUsGeneralDate(LocalDateTime::From({2024, 3, 5}, row.time)), row.text);
    }
}

}  // namespace
}  // namespace velnora
