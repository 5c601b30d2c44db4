// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/almanac.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_form.h"

namespace velnora {
namespace {

using testing_support::Ahmedabad;

struct Marked {
    Mark mark;
    bool night;
    LocalDateTime start, end;
};

LocalDateTime At(int day, int hour, int minute, int second = 0) {
    return LocalDateTime::From({2024, 3, day}, {hour, minute, second});
}

// Every listed entry that carries a mark, in listing order.
std::vector<Marked> MarkedEntries(const DayListing& d, const DayAlmanac& a) {
    std::vector<Marked> found;
    const auto add = [&](const Period& p, Marks marks) {
        for (const Mark mark : kAllMarks) {
            if (marks.Has(mark)) found.push_back({mark, p.night, p.start, p.end});
        }
    };
    for (std::size_t k = 0; k < d.day.size(); ++k) add(d.day[k], a.day[k]);
    for (std::size_t k = 0; k < d.night.size(); ++k) add(d.night[k], a.night[k]);
    return found;
}

void ExpectMarks(const std::vector<Marked>& found, const std::vector<Marked>& wanted) {
    ASSERT_EQ(found.size(), wanted.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(found[i].mark, wanted[i].mark);
        EXPECT_EQ(found[i].night, wanted[i].night);
        EXPECT_EQ(found[i].start, wanted[i].start);
        EXPECT_EQ(found[i].end, wanted[i].end);
    }
}

// Saturday 9 March 2024: sunrise 6:55, sunset 18:46, next sunrise 6:54, so day
// parts of 1:28:52 and night parts of 1:31:00. Saturn rules the first and the
// last part of both: two Kaal Vela and two Kaal Ratri, the second after midnight.
// Wednesday 13 March: sunrise 6:51, sunset 18:48, next sunrise 6:50; its Kaal
// Ratri, the night's seventh part, falls on Thursday's clock date and no Abhijit.
TEST(Almanac, MarksTakeTheirPeriodsTimesAtAhmedabad) {
    using enum Mark;
    const DayListing saturday = ListDay(Ahmedabad(2024, 3, 9, 9, 0, 0), {2024, 3, 9});
    ASSERT_FALSE(saturday.failure);
    const DayAlmanac sat = AlmanacOf(saturday);
    ExpectMarks(MarkedEntries(saturday, sat),
                {
                    {KaalVela, false, At(9, 6, 55), At(9, 8, 23, 52)},
                    {GulikaKaal, false, At(9, 6, 55), At(9, 8, 23, 52)},
                    {RahuKaal, false, At(9, 9, 52, 44), At(9, 11, 21, 36)},
                    {VaarVela, false, At(9, 14, 19, 20), At(9, 15, 48, 12)},
                    {Yamaganda, false, At(9, 14, 19, 20), At(9, 15, 48, 12)},
                    {KaalVela, false, At(9, 17, 17, 4), At(9, 18, 46)},
                    {KaalRatri, true, At(9, 18, 46), At(9, 20, 17)},
                    {KaalRatri, true, At(10, 5, 23), At(10, 6, 54)},
                });
    ASSERT_TRUE(sat.abhijit);
    EXPECT_EQ(sat.abhijit->start, At(9, 12, 26, 48));  // 7/15 of the day after sunrise
    EXPECT_EQ(sat.abhijit->end, At(9, 13, 14, 12));

    const DayListing wednesday = ListDay(Ahmedabad(2024, 3, 13, 9, 0, 0), {2024, 3, 13});
    ASSERT_FALSE(wednesday.failure);
    const DayAlmanac wed = AlmanacOf(wednesday);
    ExpectMarks(MarkedEntries(wednesday, wed),
                {
                    {Yamaganda, false, At(13, 8, 20, 38), At(13, 9, 50, 16)},
                    {KaalVela, false, At(13, 9, 50, 16), At(13, 11, 19, 54)},
                    {GulikaKaal, false, At(13, 11, 19, 54), At(13, 12, 49, 32)},
                    {VaarVela, false, At(13, 12, 49, 32), At(13, 14, 19, 10)},
                    {RahuKaal, false, At(13, 12, 49, 32), At(13, 14, 19, 10)},
                    {KaalRatri, true, At(14, 3, 49, 30), At(14, 5, 19, 45)},
                });
    EXPECT_FALSE(wed.abhijit);
}

// Twelve horas from sunrise and twelve from sunset, their lords running on
// across sunset and midnight into the next day's first hora.
TEST(Almanac, HorasRunFromSunriseThroughSunsetAndMidnight) {
    const FormValues form = Ahmedabad(2024, 3, 9, 9, 0, 0);
    const DayAlmanac sat = AlmanacOf(ListDay(form, {2024, 3, 9}));
    const DayAlmanac sun = AlmanacOf(ListDay(form, {2024, 3, 10}));
    ASSERT_EQ(sat.horas.size(), 24u);
    EXPECT_EQ(sat.horas[0].start, At(9, 6, 55));
    EXPECT_EQ(sat.horas[0].end, At(9, 7, 54, 15));  // 11:51 / 12
    EXPECT_EQ(sat.horas[11].end, At(9, 18, 46));
    EXPECT_EQ(sat.horas[12].start, At(9, 18, 46));
    EXPECT_EQ(sat.horas[12].end, At(9, 19, 46, 40));  // 12:08 / 12
    EXPECT_EQ(sat.horas[23].end, sun.horas[0].start);
    for (std::size_t i = 1; i < sat.horas.size(); ++i) {
        EXPECT_EQ(sat.horas[i].start, sat.horas[i - 1].end);
    }
    EXPECT_EQ(sat.horas[0].lord, Planet::Saturn);
    EXPECT_EQ(sat.horas[12].lord, Planet::Mercury);  // the first after sunset
    EXPECT_EQ(sat.horas[17].lord, Planet::Sun);      // 23:49:20 to 0:50, across midnight
    EXPECT_EQ(sat.horas[17].end, At(10, 0, 50));
    EXPECT_EQ(sat.horas[23].lord, Planet::Mars);
    EXPECT_EQ(sun.horas[0].lord, Planet::Sun);
    EXPECT_FALSE(sat.horas[0].favorable);
    EXPECT_TRUE(sat.horas[12].favorable);
    EXPECT_EQ(HoraHolding(sat.horas, At(9, 9, 0)), 2u);
    EXPECT_EQ(HoraHolding(sat.horas, At(9, 7, 54, 15)), 0u) << "a boundary is the earlier hora's";
    EXPECT_FALSE(HoraHolding(sat.horas, At(9, 6, 0)));
}

}  // namespace
}  // namespace velnora
