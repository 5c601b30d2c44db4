// SPDX-License-Identifier: GPL-3.0-or-later
// A place's position in degrees and minutes, and its zone's offsets in the
// program's convention, west of Greenwich positive.
#include <gtest/gtest.h>

#include <QDate>
#include <optional>
#include <string>

#include "places/place_clock.h"
#include "places/places.h"
#include "places/zone_clock.h"
#include "support/test_support.h"

namespace velnora::places {
namespace {

// --- Degrees and minutes --------------------------------------------------------

struct AngleRow {
    const char* name;
    double angle;
    bool latitude;
    int degrees, minutes;
    Hemisphere hemisphere;
};

class Angles : public ::testing::TestWithParam<AngleRow> {};

TEST_P(Angles, ConvertToDegreesMinutesAndHemisphere) {
    const AngleRow& row = GetParam();
    EXPECT_EQ(ToDegreesMinutes(row.angle, row.latitude),
              (Angle{row.degrees, row.minutes, row.hemisphere}));
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Angles,
    ::testing::Values(
        AngleRow{"pune_latitude", 18.5196, true, 18, 31, Hemisphere::North},
        AngleRow{"pune_longitude", 73.8554, false, 73, 51, Hemisphere::East},
        AngleRow{"south", -23.5475, true, 23, 33, Hemisphere::South},
        AngleRow{"west", -46.6361, false, 46, 38, Hemisphere::West},
        AngleRow{"minutes_round_down", 10.2416, true, 10, 14, Hemisphere::North},
        AngleRow{"minutes_round_up", 10.2417, true, 10, 15, Hemisphere::North},
        AngleRow{"sixty_minutes_carry_north", 18.9999, true, 19, 0, Hemisphere::North},
        AngleRow{"sixty_minutes_carry_west", -122.9951, false, 123, 0, Hemisphere::West},
        AngleRow{"rounds_to_zero_south_is_north", -0.004, true, 0, 0, Hemisphere::North},
        AngleRow{"rounds_to_zero_west_is_east", -0.004, false, 0, 0, Hemisphere::East},
        AngleRow{"far_west", -179.99, false, 179, 59, Hemisphere::West}),
    [](const ::testing::TestParamInfo<AngleRow>& test) { return std::string(test.param.name); });

// --- Zone offsets in the program's convention -----------------------------------

TEST(FromSecondsEast, WestPositiveMinutesCarryTheSign) {
    EXPECT_EQ(FromSecondsEast(19800), (ZoneOffset{-5, -30}));  // India
    EXPECT_EQ(FromSecondsEast(-12600), (ZoneOffset{3, 30}));   // Newfoundland
    EXPECT_EQ(FromSecondsEast(20700), (ZoneOffset{-5, -45}));  // Nepal
    EXPECT_EQ(FromSecondsEast(-18000), (ZoneOffset{5, 0}));
    EXPECT_EQ(FromSecondsEast(0), (ZoneOffset{0, 0}));
    EXPECT_EQ(FromSecondsEast(19770), (ZoneOffset{-5, -30}));  // seconds round to minutes
}

struct ZoneRow {
    const char* name;
    const char* zone;
    ZoneOffset standard;
    std::optional<ZoneOffset> daylight;
};

class Zones : public ::testing::TestWithParam<ZoneRow> {};

TEST_P(Zones, StandardAndDaylightOffsets) {
    const ZoneRow& row = GetParam();
    const auto year = ZoneYearOf(QString::fromUtf8(row.zone), QDate(2026, 5, 1));
    ASSERT_TRUE(year.has_value());
    EXPECT_EQ(year->standard, row.standard);
    EXPECT_EQ(year->daylight, row.daylight);
}

INSTANTIATE_TEST_SUITE_P(
    ByZone, Zones,
    ::testing::Values(
        ZoneRow{"half_hour_east", "Asia/Kolkata", {-5, -30}, std::nullopt},
        ZoneRow{"west_without_daylight", "America/Phoenix", {7, 0}, std::nullopt},
        ZoneRow{"west_with_daylight", "America/New_York", {5, 0}, ZoneOffset{4, 0}},
        ZoneRow{"east_with_daylight", "Europe/Berlin", {-1, 0}, ZoneOffset{-2, 0}},
        ZoneRow{
            "south_with_daylight_half_hour", "Australia/Adelaide", {-9, -30}, ZoneOffset{-10, -30}},
        ZoneRow{"half_hour_west_with_daylight", "America/St_Johns", {3, 30}, ZoneOffset{2, 30}}),
    [](const ::testing::TestParamInfo<ZoneRow>& test) { return std::string(test.param.name); });

TEST(ZoneYearOf, DaylightDatesNorthAndSouthOfTheEquator) {
    const auto york = ZoneYearOf(QStringLiteral("America/New_York"), QDate(2026, 5, 1));
    EXPECT_EQ(york->daylightStart, QDate(2026, 3, 8));
    EXPECT_EQ(york->daylightEnd, QDate(2026, 11, 1));
    // South of the equator the end comes first in the year.
    const auto adelaide = ZoneYearOf(QStringLiteral("Australia/Adelaide"), QDate(2026, 5, 1));
    EXPECT_EQ(adelaide->daylightStart, QDate(2026, 10, 4));
    EXPECT_EQ(adelaide->daylightEnd, QDate(2026, 4, 5));
    const auto kolkata = ZoneYearOf(QStringLiteral("Asia/Kolkata"), QDate(2026, 5, 1));
    EXPECT_FALSE(kolkata->daylight.has_value());
    EXPECT_FALSE(kolkata->daylightStart.isValid());
    EXPECT_FALSE(kolkata->daylightEnd.isValid());
}

TEST(ZoneYearOf, UnknownZone) {
    EXPECT_FALSE(ZoneYearOf(QStringLiteral("Nowhere/Atlantis"), QDate(2026, 1, 1)).has_value());
}

TEST(ZoneClock, OffsetFollowsDaylightSavingAtTheLocalTime) {
    const ZoneClock ny("America/New_York");
    EXPECT_EQ(ny.OffsetAt({2026, 1, 15}, {12, 0, 0}), (ZoneOffset{5, 0}));
    EXPECT_EQ(ny.OffsetAt({2026, 7, 15}, {12, 0, 0}), (ZoneOffset{4, 0}));
    // 2026-11-01 01:30 happens twice; 03:00 is after the change back.
    EXPECT_EQ(ny.OffsetAt({2026, 11, 1}, {3, 0, 0}), (ZoneOffset{5, 0}));
    EXPECT_EQ(ZoneClock("Asia/Kolkata").OffsetAt({2024, 3, 5}, {9, 5, 0}), (ZoneOffset{-5, -30}));
    EXPECT_FALSE(ny.OffsetAt({2026, 2, 31}, {12, 0, 0}).has_value());
    EXPECT_FALSE(ZoneClock("Nowhere/Atlantis").OffsetAt({2026, 1, 15}, {12, 0, 0}).has_value());
}

// 1:30 comes twice in New York on 3 November 2024, at 5:30 and at 6:30 Greenwich
// time; Samoa skipped 30 December 2011 whole.
TEST(OffsetsOnTheClocks, ReadingsOfRepeatedAndSkippedDates) {
    const ZoneClock ny("America/New_York");
    const ZoneOffset typed{9, 0};
    const auto secondReading = ny.LocalMomentAt(1730615400);  // 2024-11-03 06:30 UTC
    ASSERT_TRUE(secondReading.has_value());
    ASSERT_EQ(secondReading->reading, LocalDateTime::From({2024, 11, 3}, {1, 30, 0}));
    struct Row {
        const char* name;
        OffsetsOnTheClocks clocks;
        Date date;
        ClockTime time;
        std::optional<ZoneOffset> offset;
    };
    const Row rows[] = {
        {"repeated-reading-is-the-first",
         {ny, typed, {}},
         {2024, 11, 3},
         {1, 30, 0},
         ZoneOffset{4, 0}},
        {"present-reading-is-the-moment-read",
         {ny, typed, secondReading},
         {2024, 11, 3},
         {1, 30, 0},
         ZoneOffset{5, 0}},
        {"present-reading-leaves-other-times",
         {ny, typed, secondReading},
         {2024, 11, 3},
         {0, 30, 0},
         ZoneOffset{4, 0}},
        {"skipped-date-has-none",
         {ZoneClock("Pacific/Apia"), typed, {}},
         {2011, 12, 30},
         {12, 0, 0},
         std::nullopt},
        {"unknown-zone-keeps-the-typed",
         {ZoneClock("Nowhere/Atlantis"), typed, {}},
         {2024, 11, 3},
         {1, 30, 0},
         typed},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.clocks(row.date, row.time), row.offset) << row.name;
    }
}

}  // namespace
}  // namespace velnora::places
