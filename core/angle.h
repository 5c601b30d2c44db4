// SPDX-License-Identifier: GPL-3.0-or-later
// A latitude or longitude as the program takes and shows it: whole degrees and
// minutes, and the hemisphere that gives the sign. The one coordinate type.
#pragma once

namespace velnora {

// Which side of the equator (latitude) or of Greenwich (longitude).
enum class Hemisphere { North, South, East, West };

struct Angle {
    int degrees = 0;
    int minutes = 0;
    Hemisphere hemisphere = Hemisphere::North;
    friend constexpr bool operator==(const Angle&, const Angle&) = default;
};

// Degrees with the sign of the hemisphere: north and east positive.
constexpr double SignedDegrees(const Angle& a) {
    const double value = a.degrees + a.minutes / 60.0;
    return a.hemisphere == Hemisphere::South || a.hemisphere == Hemisphere::West ? -value : value;
}

}  // namespace velnora
