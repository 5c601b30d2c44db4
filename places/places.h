// SPDX-License-Identifier: GPL-3.0-or-later
// The offline gazetteer: the GeoNames places of 500 people or more with their
// division, country, IANA time zone and position, found from the text the
// coordinate lookup is given, and the conversions the lookup window and
// velnora-cli show (degrees and minutes with a hemisphere, zone offsets in the
// program's convention). The places live in one index file, built with the
// program and mapped read-only on the first search.
#pragma once

#include <QChar>
#include <QDate>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <memory>
#include <optional>

#include "core/zone_offset.h"

namespace velnora::places {

struct Place {
    QString city, state, country, timeZoneId;
    QString countryCode;   // ISO 3166 two letters, "IN"
    QString typedName;     // the other name it was found by ("Bombay"), else empty
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    qint64 population = 0;
};

// "Mumbai", or with the name it was found by: "Bombay (Mumbai)".
QString NameAsFound(const Place& place);
// "Mumbai, Maharashtra, India", or with the name it was found by:
// "Bangalore (Bengaluru), Karnataka, India". An empty state is left out.
QString DescribePlace(const Place& place);

enum class SearchOutcome {
    Found,         // places.front() is the one place the text names
    Ambiguous,     // places[0, equallyGood) match equally well; the first is the likeliest
    Contradicted,  // places named so exist, but none in the state or country typed
    NearMiss,      // nothing named so; places are the names one or two letters off
    NoMatch,
};

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::NoMatch;
    QList<Place> places;  // best first
    int equallyGood = 0;  // Ambiguous: how many of the first places match as well as the first
};

// The index file, mapped read-only. Searches read it in place.
class Gazetteer {
public:
    // Null, with the reason in `error`, when the file is missing or damaged.
    static std::unique_ptr<Gazetteer> Open(const QString& path, QString* error = nullptr);
    ~Gazetteer();

    // The places that `searchText` names, at most `max`. The text is a city,
    // state and country joined by blanks (the city may have blanks of its own, the
    // state and country may be left out or abbreviated: "NJ", "USA"), optionally
    // followed by " Latitude Longitude"; case, accents and punctuation do not
    // count. The city is the longest leading run of whole words that is a name or
    // an alternate name of places ("Poona" is Pune, never the start of
    // "Poonamalle"); the words after it pick among those places by their division
    // and country. Ties go to the larger population, a place found by its own
    // name counting a hundred times its size against one found by another name.
    SearchResult Search(const QString& searchText, int max = 20) const;

    int size() const;  // number of places

    struct Data;

private:
    Gazetteer(std::unique_ptr<QFile> file, const uchar* data, qint64 size);
    std::unique_ptr<QFile> file_;
    std::unique_ptr<const Data> d_;
};

// Where the program looks for its index, in this order: share/velnora beside the
// folder of the running program (build/share/velnora in the build tree,
// /usr/share/velnora for /usr/bin/velnora), then the data folder it was built
// to be installed in.
QStringList IndexLocations();

// The program's own index, opened on the first call and kept for the run; null,
// with the reason in `error`, when it cannot be opened.
const Gazetteer* DefaultGazetteer(QString* error = nullptr);

// Search over DefaultGazetteer(); NoMatch when it cannot be opened.
SearchResult FindPlaces(const QString& searchText, int max = 20);

// Removes a trailing " Latitude Longitude" (any case) from the lookup's text.
QString StripCoordinateSuffix(const QString& searchText);

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

// Zone offsets are the program's one zone type, west of Greenwich positive.
using velnora::ZoneOffset;
ZoneOffset FromSecondsEast(int secondsEastOfUtc);  // rounded to whole minutes
QString HoursText(const ZoneOffset& offset);       // "-5"
QString MinutesText(const ZoneOffset& offset);     // "-30"
QString OffsetText(const ZoneOffset& offset);      // "hours -5, minutes -30"

// A zone's standard offset and, when it keeps daylight saving time in the year of
// `reference`, its daylight offset and the local dates on which that time begins
// and ends (south of the equator the end comes first in the year).
struct ZoneTexts {
    ZoneOffset standard;
    std::optional<ZoneOffset> daylight;
    QDate daylightStart, daylightEnd;
};
std::optional<ZoneTexts> ZoneTextsFor(const QString& zoneId, QDate reference);

// "8 March to 1 November 2026", or "until 5 April and from 4 October 2026" where
// daylight saving time spans the turn of the year; empty without daylight saving.
QString DaylightPeriodText(const ZoneTexts& texts);

// The offset that holds in the zone at the given local date and clock time,
// daylight saving time included. Empty for an unknown zone or an invalid date.
std::optional<ZoneOffset> OffsetAt(const QString& zoneId, QDate date, QTime time);

}  // namespace velnora::places
