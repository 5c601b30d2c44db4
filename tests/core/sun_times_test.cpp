// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sun_times.h"

#include <gtest/gtest.h>

namespace velnora {
namespace {

constexpr GeoPosition kAhmedabad{{23, 2, Hemisphere::North}, {72, 35, Hemisphere::East}};
constexpr ZoneOffset kIndia{-5, -30};
constexpr GeoPosition kNewYork{{40, 0, Hemisphere::North}, {74, 0, Hemisphere::West}};
constexpr GeoPosition kNorthCape{{70, 0, Hemisphere::North}, {25, 0, Hemisphere::East}};

struct SunRow {
    const char* name;
    Date date;
    GeoPosition position;
    ZoneOffset zone;
    ClockTime sunrise;
    ClockTime sunset;
};

class SunTimesTest : public testing::TestWithParam<SunRow> {};

TEST_P(SunTimesTest, MatchesTheAlmanacToTheMinute) {
    const SunRow& row = GetParam();
    const auto times = SunRiseSunSet(row.date, row.position, row.zone);
    ASSERT_TRUE(times.has_value());
    EXPECT_EQ(times->sunrise, LocalDateTime::From(row.date, row.sunrise));
    EXPECT_EQ(times->sunset, LocalDateTime::From(row.date, row.sunset));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SunTimesTest,
    testing::Values(
        SunRow{"ahmedabad_5_march_2024", {2024, 3, 5}, kAhmedabad, kIndia, {6, 58, 0}, {18, 45, 0}},
        SunRow{"ahmedabad_14_jan_2026", {2026, 1, 14}, kAhmedabad, kIndia, {7, 23, 0}, {18, 14, 0}},
        SunRow{"ahmedabad_15_jan_2026", {2026, 1, 15}, kAhmedabad, kIndia, {7, 23, 0}, {18, 15, 0}},
        SunRow{"ahmedabad_16_jan_2026", {2026, 1, 16}, kAhmedabad, kIndia, {7, 23, 0}, {18, 15, 0}},
        SunRow{"new_york_21_june_2026", {2026, 6, 21}, kNewYork, {5, 0}, {4, 27, 0}, {19, 28, 0}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SunTimes, PolarDayAndNightAreFailuresNotTimes) {
    EXPECT_FALSE(SunRiseSunSet({2026, 6, 21}, kNorthCape, {-1, 0}).has_value());   // midnight sun
    EXPECT_FALSE(SunRiseSunSet({2026, 12, 21}, kNorthCape, {-1, 0}).has_value());  // polar night
    EXPECT_FALSE(SunRiseSunSet({2026, 6, 21},
                               {{70, 0, Hemisphere::South}, {25, 0, Hemisphere::East}}, {-1, 0})
                     .has_value());
    EXPECT_TRUE(SunRiseSunSet({2026, 3, 21}, kNorthCape, {-1, 0}).has_value());
}

TEST(SunTimes, ResultsStayOnTheRequestedDate) {
    // Far from its zone's meridian a place's events wrap around midnight.
    for (int day = 1; day <= 28; ++day) {
        const Date date{2026, 2, day};
        const auto times =
            SunRiseSunSet(date, {{10, 0, Hemisphere::North}, {170, 0, Hemisphere::West}}, {-12, 0});
        ASSERT_TRUE(times.has_value());
        EXPECT_EQ(times->sunrise.date(), date);
        EXPECT_EQ(times->sunset.date(), date);
        EXPECT_EQ(times->sunrise.time().second, 0);
    }
}

TEST(SunTimes, ZoneSignComesFromTheHoursAlone) {
    const Date date{2026, 4, 10};
    const GeoPosition greenwich{{51, 28, Hemisphere::North}, {0, 0, Hemisphere::East}};
    const auto minus = SunRiseSunSet(date, greenwich, {0, -30});
    const auto plus = SunRiseSunSet(date, greenwich, {0, 30});
    const auto utc = SunRiseSunSet(date, greenwich, {0, 0});
    ASSERT_TRUE(minus && plus && utc);
    EXPECT_EQ(minus->sunrise, plus->sunrise);
    EXPECT_EQ(minus->sunset, plus->sunset);
    // Half an hour west of Greenwich: local clocks read 30 minutes earlier.
    EXPECT_EQ(utc->sunrise - plus->sunrise, 30 * 60);
    // India's zone is east: hours -5 with minutes -30 or 30 mean the same.
    const auto east = SunRiseSunSet(date, kAhmedabad, {-5, 30});
    const auto india = SunRiseSunSet(date, kAhmedabad, kIndia);
    ASSERT_TRUE(east && india);
    EXPECT_EQ(east->sunrise, india->sunrise);
}

TEST(SunTimes, HemisphereFlagsNegateTheAngles) {
    const Date date{2026, 12, 21};
    // Latitude zero is the same with either flag.
    const auto north =
        SunRiseSunSet(date, {{0, 0, Hemisphere::North}, {30, 0, Hemisphere::East}}, {-2, 0});
    const auto south =
        SunRiseSunSet(date, {{0, 0, Hemisphere::South}, {30, 0, Hemisphere::East}}, {-2, 0});
    ASSERT_TRUE(north && south);
    EXPECT_EQ(north->sunrise, south->sunrise);
    // At the December solstice the southern day is the longer one.
    const auto sydneyish =
        SunRiseSunSet(date, {{34, 0, Hemisphere::South}, {151, 0, Hemisphere::East}}, {-10, 0});
    const auto tokyoish =
        SunRiseSunSet(date, {{34, 0, Hemisphere::North}, {151, 0, Hemisphere::East}}, {-10, 0});
    ASSERT_TRUE(sydneyish && tokyoish);
    EXPECT_GT(sydneyish->sunset - sydneyish->sunrise, 14 * 3600);
    EXPECT_LT(tokyoish->sunset - tokyoish->sunrise, 10 * 3600);
    // A longitude without the East flag is west: on Greenwich time, 74 W rises about
    // 148 degrees (9 h 52 min) after 74 E.
    const auto west =
        SunRiseSunSet(date, {{40, 0, Hemisphere::North}, {74, 0, Hemisphere::West}}, {0, 0});
    const auto eastern =
        SunRiseSunSet(date, {{40, 0, Hemisphere::North}, {74, 0, Hemisphere::East}}, {0, 0});
    ASSERT_TRUE(west && eastern);
    EXPECT_NEAR(static_cast<double>(west->sunrise - eastern->sunrise), 592 * 60, 3 * 60);
}

TEST(ClockFromHours, RoundsMinutesHalfUpAndKeepsTheDate) {
    struct Row {
        double hours;
        ClockTime clock;
    };
    for (const Row& row : {
             Row{6.25, {6, 15, 0}},
             Row{5.375, {5, 23, 0}},   // 22.5 minutes round up
             Row{5.3749, {5, 22, 0}},  // just under the half
             Row{6.999, {7, 0, 0}},    // a minute of 60 is carried into the hour
             Row{0.0, {0, 0, 0}},
             Row{23.999, {23, 59, 0}},  // 24:00 is held at 23:59 of the same date
             Row{24.00001, {23, 59, 0}},
         }) {
        EXPECT_EQ(ClockFromHours(row.hours), row.clock) << row.hours;
    }
}

}  // namespace
}  // namespace velnora
