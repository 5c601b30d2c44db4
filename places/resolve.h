// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer as velnora-cli needs it, in the form's own texts and without Qt
// types: a place text and the date and time of work in, the coordinate and zone
// fields of the main form out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velnora::places {

struct ResolvedPlace {
    std::string city, state, country, zoneId;  // UTF-8, as the gazetteer spells them
    std::string latDegrees, latMinutes;        // "18", "31"
    bool south = false;
    std::string lonDegrees, lonMinutes;        // "73", "51"
    bool east = true;
    std::string zoneHour, zoneMinute;          // west positive: "-5", "-30"
    std::string Describe() const;  // "Pune, Maharashtra, India (18° 31' N, 73° 51' E, Asia/Kolkata)"
};

// The best match for `placeText` (city, state and country joined by blanks) with
// the zone offset that holds at the given local date and time of work (month
// 1..12); a date that does not exist, such as 31 February, takes the offset of
// the first of that month. Empty when no place matches; empty zone texts when the
// system's time-zone data does not know the place's zone.
std::optional<ResolvedPlace> ResolvePlace(std::string_view placeText, int year, int month, int day,
                                          int hour, int minute, int second);

}  // namespace velnora::places
