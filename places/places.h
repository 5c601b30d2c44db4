// SPDX-License-Identifier: GPL-3.0-or-later
// The offline gazetteer: cities with their state, country, IANA time zone and
// position, found from the text the coordinate lookup is given, and the
// conversions the lookup window and velnora-cli show (degrees and minutes with a
// hemisphere, zone offsets in the program's convention). The cities come from
// libgeonames, read once into memory on the first search; no GLib type leaves
// this library.
#pragma once

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

namespace velnora::places {

struct Place {
    QString city, state, country, timeZoneId;
    QString countryCode;   // ISO 3166 two letters, "IN"
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    qint64 population = 0;
};

// Finds the places that `searchText` names, best first, at most `max`.
// The text is a city, state and country joined by blanks, optionally followed by
// " Latitude Longitude". The longest leading run of words that names cities
// picks the candidates; the remaining words are matched against their state and
// country (case and accents ignored), then the larger population wins.
// An empty list when nothing matches or the gazetteer has no data.
QList<Place> FindPlaces(const QString& searchText, int max = 20);

// Removes a trailing " Latitude Longitude" (any case) from the lookup's text.
QString StripCoordinateSuffix(const QString& searchText);

// Number of cities in the gazetteer (0 when its data is missing). Loads it.
int GazetteerSize();

// Whole degrees and minutes of an angle, the minutes rounded to the nearest
// (60 carries into the degrees), with 'N'/'S' for a latitude or 'E'/'W' for a
// longitude. An angle that rounds to 0° 0' is 'N' or 'E'.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    QChar hemisphere;
};
DegreesMinutes ToDegreesMinutes(double angle, bool latitude);
QString FormatDegreesMinutes(const DegreesMinutes& dm);  // "18° 31' N"

// A zone offset as the main form takes it: the time to add to the local clock to
// get Greenwich time, hours west of Greenwich positive, the minutes carrying the
// sign of the hours (5 h 30 min east of Greenwich is hours -5, minutes -30).
struct ZoneOffset {
    int hours = 0;
    int minutes = 0;
    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};
ZoneOffset FromSecondsEast(int secondsEastOfUtc);  // rounded to whole minutes
QString HoursText(const ZoneOffset& offset);         // "-5"
QString MinutesText(const ZoneOffset& offset);       // "-30"
QString OffsetText(const ZoneOffset& offset);        // "hours -5, minutes -30"

// A zone's standard offset and, when it keeps daylight saving time in the year of
// `reference`, its daylight offset. Empty for an unknown zone id.
struct ZoneTexts {
    ZoneOffset standard;
    std::optional<ZoneOffset> daylight;
};
std::optional<ZoneTexts> ZoneTextsFor(const QString& zoneId, QDate reference);

// The offset that holds in the zone at the given local date and clock time,
// daylight saving time included. Empty for an unknown zone or an invalid date.
std::optional<ZoneOffset> OffsetAt(const QString& zoneId, QDate date, QTime time);

}  // namespace velnora::places
