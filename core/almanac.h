// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac's other rules beside the Choghadiya tables: the marks printed
// tables set on the eight parts of a day or a night (Vaar Vela, Kaal Vela, Kaal
// Ratri, Rahu Kaal, Yamaganda, Gulika Kaal), Abhijit Muhurat's part of the day,
// and the lords of the 24 horas. Marks and planets are values here; the windows
// and velnora-cli give them words.
#pragma once

#include <array>
#include <cstdint>

#include "core/choghadiya.h"
#include "core/date_time.h"

namespace velnora {

// In the order a row names them.
enum class Mark { VaarVela, KaalVela, KaalRatri, RahuKaal, Yamaganda, GulikaKaal };
inline constexpr int kMarkCount = 6;
inline constexpr std::array<Mark, kMarkCount> kAllMarks = {Mark::VaarVela,  Mark::KaalVela,
                                                           Mark::KaalRatri, Mark::RahuKaal,
                                                           Mark::Yamaganda, Mark::GulikaKaal};

// The marks one part carries.
class Marks {
public:
    constexpr Marks() = default;
    constexpr bool Has(Mark mark) const { return (bits_ & Bit(mark)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Add(Mark mark) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(mark)); }
    friend constexpr bool operator==(Marks, Marks) = default;

private:
    static constexpr std::uint8_t Bit(Mark mark) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(mark));
    }
    std::uint8_t bits_ = 0;
};

// The seven planets in weekday order: the lord of weekday w is Planet(w - 1).
enum class Planet { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };
inline constexpr int kPlanetCount = 7;

Planet WeekdayLord(int weekday);  // 1 = Sunday (the Sun) ... 7 = Saturday (Saturn)

// The marks of part 1..8 of the day (sunrise to sunset) or of the night (sunset
// to the next sunrise) of weekday 1..7; a night belongs to the weekday of its
// sunset. None for anything outside those.
Marks DayMarks(int part, int weekday);
Marks NightMarks(int part, int weekday);

// Abhijit Muhurat is part kAbhijitPart of kAbhijitParts equal parts of the day,
// the part that holds local noon; there is none on Wednesday.
inline constexpr int kAbhijitParts = 15;
inline constexpr int kAbhijitPart = 8;
bool HasAbhijit(int weekday);

// Horas: twelve equal parts of the day from sunrise and twelve of the night from
// sunset, each ruled by the next planet of kHoraOrder, running on across sunset
// and midnight; the first hora of a day is its weekday's lord.
inline constexpr int kHorasPerSpan = 12;
inline constexpr int kHorasPerDay = 2 * kHorasPerSpan;
inline constexpr std::array<Planet, kPlanetCount> kHoraOrder = {
    Planet::Sun,    Planet::Venus,   Planet::Mercury, Planet::Moon,
    Planet::Saturn, Planet::Jupiter, Planet::Mars};
// The lord of hora 1..24 of weekday 1..7 (13 is the first of the night).
Planet HoraLord(int hora, int weekday);
// Jupiter, Venus, Mercury and the Moon rule favorable horas; the Sun, Mars and
// Saturn unfavorable ones.
bool IsFavorableLord(Planet lord);

}  // namespace velnora
