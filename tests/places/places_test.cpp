// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "places/place_index.h"
#include "places/places.h"
#include "places/resolve.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace velnora::places {
namespace {

// --- Finding places in the real gazetteer -----------------------------------

struct FindRow {
    const char* name;
    const char* text;
    const char* city, *state, *country;
};

class FindFirst : public testing::TestWithParam<FindRow> {};

TEST_P(FindFirst, BestMatchComesFirst) {
    const FindRow& row = GetParam();
    const QList<Place> found = FindPlaces(QString::fromUtf8(row.text));
    ASSERT_FALSE(found.isEmpty()) << row.text;
    EXPECT_EQ(found.front().city, QString::fromUtf8(row.city));
    EXPECT_EQ(found.front().state, QString::fromUtf8(row.state));
    EXPECT_EQ(found.front().country, QString::fromUtf8(row.country));
}

INSTANTIATE_TEST_SUITE_P(
    Gazetteer, FindFirst,
    testing::Values(
        FindRow{"pune_from_the_form", "Pune Maharashtra India Latitude Longitude", "Pune",
                "Maharashtra", "India"},
        FindRow{"state_picks_among_namesakes", "Springfield Illinois United States", "Springfield",
                "Illinois", "United States of America"},
        FindRow{"other_namesake_by_other_state", "Springfield Oregon USA", "Springfield", "Oregon",
                "United States of America"},
        FindRow{"city_with_a_blank", "New York New York United States Latitude Longitude",
                "New York", "New York", "United States of America"},
        FindRow{"accents_typed_without", "Sao Paulo Sao Paulo Brazil", "São Paulo", "São Paulo",
                "Brazil"},
        FindRow{"accents_typed_where_gazetteer_has_none", "Zürich Zürich Switzerland", "Zurich",
                "Canton of Zurich", "Switzerland"},
        FindRow{"case_ignored", "pUNE mAHARASHTRA iNDIA", "Pune", "Maharashtra", "India"},
        FindRow{"whole_name_beats_name_inside_another", "York England United Kingdom", "York",
                "England", "United Kingdom"},
        FindRow{"country_picks_san_jose", "San Jose San Jose Costa Rica", "San José", "San José",
                "Costa Rica"},
        FindRow{"population_decides_without_region", "Springfield", "Springfield", "Missouri",
                "United States of America"},
        FindRow{"saint_written_short", "St. Louis Missouri United States", "St Louis", "Missouri",
                "United States of America"}),
    [](const testing::TestParamInfo<FindRow>& info) { return std::string(info.param.name); });

TEST(FindPlaces, PuneCarriesItsPositionAndZone) {
    const QList<Place> found = FindPlaces(QStringLiteral("Pune Maharashtra India Latitude Longitude"));
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.front().timeZoneId, QStringLiteral("Asia/Kolkata"));
    EXPECT_NEAR(found.front().latitude, 18.52, 0.01);
    EXPECT_NEAR(found.front().longitude, 73.86, 0.01);
}

TEST(FindPlaces, NothingForAnUnknownPlaceOrEmptyText) {
    EXPECT_TRUE(FindPlaces(QStringLiteral("Xqzvbnt Nowhere Land Latitude Longitude")).isEmpty());
    EXPECT_TRUE(FindPlaces(QStringLiteral(" Latitude Longitude")).isEmpty());
    EXPECT_TRUE(FindPlaces(QStringLiteral("   ")).isEmpty());
}

TEST(FindPlaces, KeepsAtMostTheAskedNumber) {
    EXPECT_EQ(FindPlaces(QStringLiteral("San"), 20).size(), 20);
    EXPECT_EQ(FindPlaces(QStringLiteral("Springfield"), 3).size(), 3);
    EXPECT_GT(GazetteerSize(), 20000);
}

// --- The ranking rules on a small table ---------------------------------------

Place P(const char* city, const char* state, const char* country, const char* code, qint64 pop) {
    Place p;
    p.city = QString::fromUtf8(city);
    p.state = QString::fromUtf8(state);
    p.country = QString::fromUtf8(country);
    p.countryCode = QString::fromUtf8(code);
    p.population = pop;
    return p;
}

QStringList Cities(const QList<Place>& places) {
    QStringList r;
    for (const Place& p : places) r << p.city + u'/' + p.state;
    return r;
}

TEST(PlaceIndex, RanksRegionThenHowTheNameMatchesThenPopulation) {
    const PlaceIndex index({
        P("Newtown", "Wales", "United Kingdom", "GB", 900000),
        P("Paris", "Texas", "United States of America", "US", 25000),
        P("Paris", "Île-de-France", "France", "FR", 2100000),
        P("Paris Hill", "Texas", "United States of America", "US", 1000),
        P("New Paris", "Ohio", "United States of America", "US", 500000),
        P("Parish", "Texas", "United States of America", "US", 3000000),
    });
    // Region first: every Texas or US place outranks Paris, France.
    EXPECT_EQ(Cities(index.Find(QStringLiteral("Paris Texas USA"), 10)),
              (QStringList{"Paris/Texas", "Paris Hill/Texas", "Parish/Texas", "New Paris/Ohio",
                           "Paris/Île-de-France"}));
    // No region words: whole name, leading words, inner words, part of a word.
    EXPECT_EQ(Cities(index.Find(QStringLiteral("paris"), 10)),
              (QStringList{"Paris/Île-de-France", "Paris/Texas", "Paris Hill/Texas",
                           "New Paris/Ohio", "Parish/Texas"}));
    // "Ile de France" typed without the accent or the hyphens; the ISO code counts.
    EXPECT_EQ(index.Find(QStringLiteral("Paris Ile de France FR"), 1).front().country, u"France");
    // The longest run wins: "New Paris" is a city, so "Ohio" is the only region word.
    EXPECT_EQ(Cities(index.Find(QStringLiteral("New Paris Ohio"), 10)),
              QStringList{"New Paris/Ohio"});
}

TEST(Fold, DropsCaseAccentsAndPunctuation) {
    EXPECT_EQ(Fold(QStringLiteral("São Paulo")), u"sao paulo");
    EXPECT_EQ(Fold(QStringLiteral("  Winston-Salem ")), u"winston salem");
    EXPECT_EQ(Fold(QStringLiteral("St. Louis")), u"saint louis");
    EXPECT_EQ(Fold(QStringLiteral("Straße Łódź Ærø")), u"strasse lodz aero");
    EXPECT_EQ(Fold(QStringLiteral("Côte d'Azur")), u"cote dazur");
}

TEST(StripCoordinateSuffix, OnlyAtTheEnd) {
    EXPECT_EQ(StripCoordinateSuffix(QStringLiteral("Pune Maharashtra India Latitude Longitude")),
              u"Pune Maharashtra India");
    EXPECT_EQ(StripCoordinateSuffix(QStringLiteral("Latitude Longitude Pune")),
              u"Latitude Longitude Pune");
}

// --- Degrees and minutes --------------------------------------------------------

struct AngleRow {
    const char* name;
    double angle;
    bool latitude;
    int degrees, minutes;
    char16_t hemisphere;
};

class Angles : public testing::TestWithParam<AngleRow> {};

TEST_P(Angles, ConvertToDegreesMinutesAndHemisphere) {
    const AngleRow& row = GetParam();
    const DegreesMinutes dm = ToDegreesMinutes(row.angle, row.latitude);
    EXPECT_EQ(dm.degrees, row.degrees);
    EXPECT_EQ(dm.minutes, row.minutes);
    EXPECT_EQ(dm.hemisphere, QChar(row.hemisphere));
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Angles,
    testing::Values(AngleRow{"pune_latitude", 18.5196, true, 18, 31, u'N'},
                    AngleRow{"pune_longitude", 73.8554, false, 73, 51, u'E'},
                    AngleRow{"south", -23.5475, true, 23, 33, u'S'},
                    AngleRow{"west", -46.6361, false, 46, 38, u'W'},
                    AngleRow{"minutes_round_down", 10.2416, true, 10, 14, u'N'},
                    AngleRow{"minutes_round_up", 10.2417, true, 10, 15, u'N'},
                    AngleRow{"sixty_minutes_carry_north", 18.9999, true, 19, 0, u'N'},
                    AngleRow{"sixty_minutes_carry_west", -122.9951, false, 123, 0, u'W'},
                    AngleRow{"rounds_to_zero_south_is_north", -0.004, true, 0, 0, u'N'},
                    AngleRow{"rounds_to_zero_west_is_east", -0.004, false, 0, 0, u'E'},
                    AngleRow{"far_west", -179.99, false, 179, 59, u'W'}),
    [](const testing::TestParamInfo<AngleRow>& info) { return std::string(info.param.name); });

TEST(FormatDegreesMinutes, AsTheFormShowsIt) {
    EXPECT_EQ(FormatDegreesMinutes(ToDegreesMinutes(18.5196, true)), u"18° 31' N");
    EXPECT_EQ(FormatDegreesMinutes(ToDegreesMinutes(-46.6361, false)), u"46° 38' W");
}

// --- Zone offsets in the program's convention -----------------------------------

TEST(FromSecondsEast, WestPositiveMinutesCarryTheSign) {
    EXPECT_EQ(FromSecondsEast(19800), (ZoneOffset{-5, -30}));   // India
    EXPECT_EQ(FromSecondsEast(-12600), (ZoneOffset{3, 30}));    // Newfoundland
    EXPECT_EQ(FromSecondsEast(20700), (ZoneOffset{-5, -45}));   // Nepal
    EXPECT_EQ(FromSecondsEast(-18000), (ZoneOffset{5, 0}));
    EXPECT_EQ(FromSecondsEast(0), (ZoneOffset{0, 0}));
    EXPECT_EQ(FromSecondsEast(19770), (ZoneOffset{-5, -30}));   // seconds round to minutes
    EXPECT_EQ(OffsetText({-5, -30}), u"hours -5, minutes -30");
    EXPECT_EQ(HoursText({-5, -30}), u"-5");
    EXPECT_EQ(MinutesText({-5, -30}), u"-30");
}

struct ZoneRow {
    const char* name;
    const char* zone;
    ZoneOffset standard;
    std::optional<ZoneOffset> daylight;
};

class Zones : public testing::TestWithParam<ZoneRow> {};

TEST_P(Zones, StandardAndDaylightOffsets) {
    const ZoneRow& row = GetParam();
    const auto texts = ZoneTextsFor(QString::fromUtf8(row.zone), QDate(2026, 5, 1));
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->standard, row.standard);
    EXPECT_EQ(texts->daylight, row.daylight);
}

INSTANTIATE_TEST_SUITE_P(
    ByZone, Zones,
    testing::Values(ZoneRow{"half_hour_east", "Asia/Kolkata", {-5, -30}, std::nullopt},
                    ZoneRow{"west_without_daylight", "America/Phoenix", {7, 0}, std::nullopt},
                    ZoneRow{"west_with_daylight", "America/New_York", {5, 0}, ZoneOffset{4, 0}},
                    ZoneRow{"east_with_daylight", "Europe/Berlin", {-1, 0}, ZoneOffset{-2, 0}},
                    ZoneRow{"south_with_daylight_half_hour", "Australia/Adelaide", {-9, -30},
                            ZoneOffset{-10, -30}},
                    ZoneRow{"half_hour_west_with_daylight", "America/St_Johns", {3, 30},
                            ZoneOffset{2, 30}}),
    [](const testing::TestParamInfo<ZoneRow>& info) { return std::string(info.param.name); });

TEST(ZoneTextsFor, UnknownZone) {
    EXPECT_FALSE(ZoneTextsFor(QStringLiteral("Nowhere/Atlantis"), QDate(2026, 1, 1)).has_value());
}

TEST(OffsetAt, FollowsDaylightSavingAtTheLocalTime) {
    const QString ny = QStringLiteral("America/New_York");
    EXPECT_EQ(OffsetAt(ny, QDate(2026, 1, 15), QTime(12, 0)), (ZoneOffset{5, 0}));
    EXPECT_EQ(OffsetAt(ny, QDate(2026, 7, 15), QTime(12, 0)), (ZoneOffset{4, 0}));
    // 2026-11-01 01:30 happens twice; 03:00 is after the change back.
    EXPECT_EQ(OffsetAt(ny, QDate(2026, 11, 1), QTime(3, 0)), (ZoneOffset{5, 0}));
    EXPECT_EQ(OffsetAt(QStringLiteral("Asia/Kolkata"), QDate(2024, 3, 5), QTime(9, 5)),
              (ZoneOffset{-5, -30}));
    EXPECT_FALSE(OffsetAt(ny, QDate(2026, 2, 31), QTime(12, 0)).has_value());
}

// --- The command-line view --------------------------------------------------------

TEST(ResolvePlace, GivesTheFormsTextsAtTheTimeOfWork) {
    const auto pune = ResolvePlace("Pune Maharashtra India", 2024, 3, 5, 9, 5, 0);
    ASSERT_TRUE(pune.has_value());
    EXPECT_EQ(pune->latDegrees, "18");
    EXPECT_EQ(pune->latMinutes, "31");
    EXPECT_FALSE(pune->south);
    EXPECT_EQ(pune->lonDegrees, "73");
    EXPECT_EQ(pune->lonMinutes, "51");
    EXPECT_TRUE(pune->east);
    EXPECT_EQ(pune->zoneHour, "-5");
    EXPECT_EQ(pune->zoneMinute, "-30");
    EXPECT_EQ(pune->Describe(), "Pune, Maharashtra, India (18° 31' N, 73° 51' E, Asia/Kolkata)");

    const auto summer = ResolvePlace("New York New York United States", 2026, 7, 4, 12, 0, 0);
    const auto winter = ResolvePlace("New York New York United States", 2026, 2, 31, 12, 0, 0);
    ASSERT_TRUE(summer && winter);
    EXPECT_EQ(summer->zoneHour, "4");
    EXPECT_EQ(winter->zoneHour, "5");  // no 31 February: the first of the month
    EXPECT_EQ(summer->lonMinutes, "0");
    EXPECT_FALSE(summer->east);
    EXPECT_EQ(summer->latDegrees + "/" + summer->lonDegrees, "40/74");

    EXPECT_FALSE(ResolvePlace("Xqzvbnt Nowhere", 2026, 1, 1, 0, 0, 0).has_value());
}

}  // namespace
}  // namespace velnora::places
