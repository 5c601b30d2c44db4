// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/almanac.h"

#include <gtest/gtest.h>

#include <array>

namespace velnora {
namespace {

// The planets in weekday order, from the weekday's own lord: part k of a span
// is ruled by the lord `step` * (k - 1) places further.
Planet PartLord(int part, int weekday, int step) {
    return static_cast<Planet>((weekday - 1 + step * (part - 1)) % kPlanetCount);
}

// The Choghadiya scheme steps five places by day, four by night; the scheme of
// Rahu Kaal steps one place and rules only parts 1 to 7.
Planet DayLord(int part, int weekday) { return PartLord(part, weekday, 5); }
Planet NightLord(int part, int weekday) { return PartLord(part, weekday, 4); }
bool RahuSchemeRules(int part, int weekday, Planet planet) {
    return part < kPeriodsPerSpan && PartLord(part, weekday, 1) == planet;
}

TEST(Almanac, MarksFollowThePlanetsThatRuleTheParts) {
    std::array<int, kPeriodsPerSpan + 1> rahuParts{};
    for (int w = Sunday; w <= Saturday; ++w) {
        for (int part = 1; part <= kPeriodsPerSpan; ++part) {
            SCOPED_TRACE(testing::Message() << "weekday " << w << ", part " << part);
            const Marks day = DayMarks(part, w);
            EXPECT_EQ(day.Has(Mark::KaalVela), DayLord(part, w) == Planet::Saturn);
            EXPECT_EQ(day.Has(Mark::VaarVela), part == (3 * (w - 1) + 3) % 8 + 1);
            EXPECT_EQ(day.Has(Mark::Yamaganda), RahuSchemeRules(part, w, Planet::Jupiter));
            EXPECT_EQ(day.Has(Mark::GulikaKaal), RahuSchemeRules(part, w, Planet::Saturn));
            EXPECT_FALSE(day.Has(Mark::KaalRatri));
            if (day.Has(Mark::RahuKaal)) ++rahuParts[static_cast<std::size_t>(part)];
            // The day's Choghadiya names are the planets' names.
            EXPECT_EQ(DayPeriodName(part, w),
                      DayPeriodName(1, static_cast<int>(DayLord(part, w)) + 1));

            const Marks night = NightMarks(part, w);
            EXPECT_EQ(night.Has(Mark::KaalRatri), NightLord(part, w) == Planet::Saturn);
            EXPECT_EQ(night, [&] {
                Marks only;
                if (night.Has(Mark::KaalRatri)) only.Add(Mark::KaalRatri);
                return only;
            }());
        }
    }
    // Rahu Kaal falls once on each of parts 2 to 8 in a week, never on the first.
    EXPECT_EQ(rahuParts, (std::array<int, kPeriodsPerSpan + 1>{0, 0, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(DayMarks(0, Sunday).Empty());
    EXPECT_TRUE(NightMarks(1, 8).Empty());
}

TEST(Almanac, HoraLordsRunOnAcrossSunsetAndMidnight) {
    // Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars: five places on in weekday order.
    const auto after = [](Planet p) { return PartLord(2, static_cast<int>(p) + 1, 5); };
    for (int w = Sunday; w <= Saturday; ++w) {
        EXPECT_EQ(HoraLord(1, w), WeekdayLord(w));
        for (int h = 1; h < kHorasPerDay; ++h) EXPECT_EQ(HoraLord(h + 1, w), after(HoraLord(h, w)));
        // The night's last hora hands on to the next day's first.
        EXPECT_EQ(after(HoraLord(kHorasPerDay, w)), WeekdayLord(w % kDaysPerWeek + 1));
    }
    EXPECT_EQ(HoraLord(kHorasPerSpan + 1, Sunday), Planet::Jupiter);
}

}  // namespace
}  // namespace velnora
