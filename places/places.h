// SPDX-License-Identifier: GPL-3.0-or-later
// The offline gazetteer: the GeoNames places of 500 people or more with their
// division, country, IANA time zone and position, found from the text the
// coordinate lookup is given, and the conversions the lookup window and
// velnora-cli need (degrees and minutes with a hemisphere, zone offsets in the
// program's convention). The places live in one index file, built with the
// program and mapped read-only on the first search. Everything here is values:
// the lookup window and velnora-cli make the words.
#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/angle.h"
#include "core/zone_offset.h"
#include "places/named_by.h"

namespace velnora::places {

struct Place {
    QString city, state, country, timeZoneId;
    QString countryCode;  // ISO 3166 two letters, "IN"
    QString typedName;    // the other name it was found by ("Bombay"), else empty
    QString district;     // the second-level division ("Essex", "Pune Division"), else empty
    // Found by the name of its second-level division, which no place is named
    // after: it is that division's largest place. The division's name, else empty.
    QString standsFor;
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    qint64 population = 0;
};

// Why the list of places cannot be used.
struct IndexProblem {
    enum class Kind {
        NotInstalled,  // no file at any of `lookedFor`
        Unreadable,    // `path` cannot be opened or mapped, or is no regular file
        Damaged,       // `path` (empty for an index in memory) is no index
    };
    Kind kind = Kind::Damaged;
    QString path;
    QStringList lookedFor;
};
enum class SearchOutcome {
    Found,         // places.front() is the one place the text names
    Ambiguous,     // places[0, equallyGood) match equally well; the first is the likeliest
    Contradicted,  // places named so exist, but none in the state or country typed
    Partial,       // nothing named with all the city's words; places are named with part of them
    // Commas were typed and no place that fits has the city's words as its own
    // name; the first has them as another name or inside a longer one. Nothing
    // is taken.
    NotItsName,
    NearMiss,  // nothing named so; places are the names one or two letters off
    NoMatch,
};

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::NoMatch;
    QList<Place> places;  // best first
    int equallyGood = 0;  // Ambiguous: how many of the first places match as well as the first
    QString name;         // the typed words read as the place's name, folded: "pune"
    // Contradicted: the typed words that name another division or country.
    QStringList against;
    // Found and Ambiguous: typed words that named nothing for the place taken
    // (a misspelt state, "maharastra"), passed over.
    QStringList passedOver;
    // Found and Ambiguous: how `name` names the first place; a place is taken
    // silently only by its own name.
    NamedBy namedBy = NamedBy::OwnName;
};

// The index file, mapped read-only. Searches read it in place.
class Gazetteer {
public:
    // Null, with the reason in `problem`, when the file is missing, not a
    // regular file, or damaged.
    static std::unique_ptr<Gazetteer> Open(const QString& path, IndexProblem* problem = nullptr);
    // An index held in memory, checked as a file is; `bytes` must be 4-byte
    // aligned and outlive it.
    static std::unique_ptr<Gazetteer> FromBytes(QByteArrayView bytes,
                                                IndexProblem* problem = nullptr);
    ~Gazetteer();

    // The places that `searchText` names, at most `max`. The text is a city,
    // state and country joined by blanks or commas (the city may have blanks of
    // its own, the state and country may be left out or abbreviated: "NJ",
    // "USA"), optionally followed by " Latitude Longitude"; case, accents and
    // punctuation do not count. With commas the words before the first are the
    // city and the last field the country; without, the city is the leading run of
    // whole words that is a name or an alternate name of places ("Poona" is Pune,
    // never the start of "Poonamalle") and explains the most typed words with the
    // division and country words after it. Those words pick among the places: a
    // word naming another division of a place's own country (first or second
    // level, codes included) or another country rules it out. A text that is a
    // country's name alone is the country, no place. Ties go to the larger
    // population (a capital or a division's seat counting as a town of some size
    // at least), a place found by its own name counting a hundred times its size
    // against one found by another name.
    // A file that changed since it was opened is opened again first (Refresh).
    SearchResult Search(const QString& searchText, int max = 20) const;

    // Opens the file again when it was replaced or rewritten since it was opened
    // (another inode, size or modification time). False, with the reason, when
    // it can no longer be read: searches find nothing until it can again. An
    // index from memory never changes.
    bool Refresh(IndexProblem* problem = nullptr) const;

    // Whether the file is still as the last search found it. False, with the
    // index damaged, when it was cut short or rewritten while that search read it:
    // its answer is void (the next search opens the file again).
    bool Intact(IndexProblem* problem = nullptr) const;

    int size() const;  // number of places

    struct Data;
    struct Mapping;

private:
    Gazetteer();
    mutable std::unique_ptr<Mapping> mapping_;
    mutable std::unique_ptr<const Data> d_;
};

// Whether `zoneId` is a well-formed IANA zone name (letters, digits, '/', '_',
// '-' and '+', no "..", no leading '/') that the system's zone data knows.
bool IsKnownZoneId(const QString& zoneId);

// Where the program looks for its index, in this order: share/velnora beside the
// folder of the running program (build/share/velnora in the build tree,
// /usr/share/velnora for /usr/bin/velnora), then the data folder it was built
// to be installed in.
QStringList IndexLocations();

// The program's own index, opened on the first call and kept for the run (opened
// again when the file changes); null, with the reason in `problem`, when it
// cannot be opened.
const Gazetteer* DefaultGazetteer(IndexProblem* problem = nullptr);

// Removes a trailing " Latitude Longitude" (any case) from the lookup's text.
QString StripCoordinateSuffix(const QString& searchText);

// Whole degrees and minutes of an angle in degrees (north and east positive),
// the minutes rounded to the nearest (60 carries into the degrees), with North
// or South for a latitude, East or West for a longitude. An angle that rounds to
// 0° 0' is North or East.
Angle ToDegreesMinutes(double angle, bool latitude);

// Zone offsets are the program's one zone type, west of Greenwich positive.
using velnora::ZoneOffset;
ZoneOffset FromSecondsEast(int secondsEastOfUtc);  // rounded to whole minutes

// A zone's standard offset and, when it keeps daylight saving time in the year of
// `reference`, its daylight offset and the local dates on which that time begins
// and ends (south of the equator the end comes first in the year).
struct ZoneYear {
    ZoneOffset standard;
    std::optional<ZoneOffset> daylight;
    QDate daylightStart, daylightEnd;
};
std::optional<ZoneYear> ZoneYearOf(const QString& zoneId, QDate reference);

}  // namespace velnora::places
