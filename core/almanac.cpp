// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/almanac.h"

namespace velnora {
namespace {

// Columns Sunday to Saturday: the part each mark falls on, 0 for none. Saturday's
// day has Kaal Vela twice and its night Kaal Ratri twice, in parts 1 and 8
// (Saturn rules both); the second parts are in the k...Again rows.
using Row = std::array<int, kDaysPerWeek>;
constexpr Row kVaarVela = {4, 7, 2, 5, 8, 3, 6};
constexpr Row kKaalVela = {5, 2, 6, 3, 7, 4, 1};
constexpr Row kKaalVelaAgain = {0, 0, 0, 0, 0, 0, 8};
constexpr Row kKaalRatri = {6, 4, 2, 7, 5, 3, 1};
constexpr Row kKaalRatriAgain = {0, 0, 0, 0, 0, 0, 8};
constexpr Row kRahuKaal = {8, 2, 7, 5, 6, 4, 3};
constexpr Row kYamaganda = {5, 4, 3, 2, 1, 7, 6};
constexpr Row kGulikaKaal = {7, 6, 5, 4, 3, 2, 1};

struct MarkRow {
    Mark mark;
    const Row* parts;
};

constexpr std::array<MarkRow, 6> kDayRows = {{
    {Mark::VaarVela, &kVaarVela},
    {Mark::KaalVela, &kKaalVela},
    {Mark::KaalVela, &kKaalVelaAgain},
    {Mark::RahuKaal, &kRahuKaal},
    {Mark::Yamaganda, &kYamaganda},
    {Mark::GulikaKaal, &kGulikaKaal},
}};
constexpr std::array<MarkRow, 2> kNightRows = {{
    {Mark::KaalRatri, &kKaalRatri},
    {Mark::KaalRatri, &kKaalRatriAgain},
}};

bool Inside(int part, int weekday) {
    return part >= 1 && part <= kPeriodsPerSpan && weekday >= 1 && weekday <= kDaysPerWeek;
}

template <std::size_t N>
Marks MarksOf(const std::array<MarkRow, N>& rows, int part, int weekday) {
    Marks marks;
    if (!Inside(part, weekday)) return marks;
    for (const MarkRow& row : rows) {
        if ((*row.parts)[static_cast<std::size_t>(weekday - 1)] == part) marks.Add(row.mark);
    }
    return marks;
}

}  // namespace

Planet WeekdayLord(int weekday) {
    return static_cast<Planet>(((weekday - 1) % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek);
}

Marks DayMarks(int part, int weekday) { return MarksOf(kDayRows, part, weekday); }
Marks NightMarks(int part, int weekday) { return MarksOf(kNightRows, part, weekday); }

bool HasAbhijit(int weekday) { return weekday != Wednesday; }

Planet HoraLord(int hora, int weekday) {
    const Planet first = WeekdayLord(weekday);
    int at = 0;
    while (kHoraOrder[static_cast<std::size_t>(at)] != first) ++at;
    const int steps = ((hora - 1) % kPlanetCount + kPlanetCount) % kPlanetCount;
    return kHoraOrder[static_cast<std::size_t>((at + steps) % kPlanetCount)];
}

bool IsFavorableLord(Planet lord) {
    switch (lord) {
        case Planet::Jupiter:
        case Planet::Venus:
        case Planet::Mercury:
        case Planet::Moon:
            return true;
        case Planet::Sun:
        case Planet::Mars:
        case Planet::Saturn:
            break;
    }
    return false;
}

}  // namespace velnora
