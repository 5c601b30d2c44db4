// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the lookup window shows and copies for the places it found, in the
// windows' language.
#pragma once

#include <QString>
#include <optional>

#include "places/places.h"

namespace velnora {

// “text”, in typographic quotes.
QString Quoted(const QString& text);
// "Mumbai", "Bombay (Mumbai)", or for a division's largest place
// "Cariacica: the district's largest place, Vitória".
QString PlaceName(const places::Place& p);
// "Bangalore (Bengaluru), Karnataka, India"; an empty state is left out.
QString PlaceText(const places::Place& p);
// "18° 31' N", as the result window writes a coordinate.
QString DegreesMinutesText(double angle, bool latitude);
// "8 March to 1 November 2026", or "until 5 April and from 4 October 2026" where
// daylight saving time spans the turn of the year; "none" without it.
QString DaylightPeriodText(const places::ZoneYear& zone);
// "hours -5, minutes 30"
QString TypedOffset(const places::ZoneOffset& o);
// A position and zone as the main form's boxes and buttons take them:
// "Latitude 18 31 North, Longitude 73 51 East, Zone hours -5 minutes 30".
QString FormTexts(const places::Place& p, const std::optional<places::ZoneYear>& zone);
// The line above the places found for `typed`: what was found and how it was read.
QString MatchesHeading(const QString& typed, const places::SearchResult& found);

}  // namespace velnora
