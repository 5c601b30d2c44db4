// SPDX-License-Identifier: GPL-3.0-or-later
// A time zone as the main form takes it, the one zone type of the program: the
// time to ADD to the local clock to get Greenwich time, so zones west of
// Greenwich are positive and zones east of it negative. India, 5 h 30 min east,
// is hours -5 and minutes -30. The sign of the whole zone comes from the hours
// alone; the gazetteer writes the minutes with the sign of the hours.
#pragma once

#include <cstdint>

namespace velnora {

struct ZoneOffset {
    int hours = 0;    // west of Greenwich positive
    int minutes = 0;  // its sign plays no part
    friend constexpr bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

// The seconds to add to the local clock to get Greenwich time (India: -19800).
std::int64_t ZoneSeconds(const ZoneOffset& zone);

}  // namespace velnora
