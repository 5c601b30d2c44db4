// SPDX-License-Identifier: GPL-3.0-or-later
// Reads every city of libgeonames into a PlaceIndex on the first search. The
// library's own query takes about 55 ms a call, and it neither folds accents
// nor ranks by state and country, so the search runs on the in-memory copy.
// Reading takes about a tenth of a second, most of it in libgeonames' getters.
#include <geonames.h>

#include <QHash>

#include "places/place_index.h"

namespace velnora::places {

namespace {

QString Utf8(const gchar* text) { return text ? QString::fromUtf8(text) : QString(); }

QList<Place> ReadGazetteer() {
    QList<Place> places;
    const gint count = geonames_get_n_cities();
    places.reserve(count > 0 ? count : 0);
    QHash<QString, QString> countries;  // by code; the library's getters are slow
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        Place p;
        p.city = Utf8(geonames_city_get_name(city));
        p.state = Utf8(geonames_city_get_state(city));
        p.countryCode = Utf8(geonames_city_get_country_code(city));
        auto known = countries.constFind(p.countryCode);
        if (known == countries.cend()) {
            known = countries.insert(p.countryCode, Utf8(geonames_city_get_country(city)));
        }
        p.country = *known;
        p.timeZoneId = Utf8(geonames_city_get_timezone(city));
        p.latitude = geonames_city_get_latitude(city);
        p.longitude = geonames_city_get_longitude(city);
        p.population = geonames_city_get_population(city);
        geonames_city_free(city);
        if (!p.city.isEmpty()) places.append(std::move(p));
    }
    return places;
}

const PlaceIndex& Gazetteer() {
    static const PlaceIndex index(ReadGazetteer());
    return index;
}

}  // namespace

QList<Place> FindPlaces(const QString& searchText, int max) { return Gazetteer().Find(searchText, max); }

int GazetteerSize() { return Gazetteer().size(); }

}  // namespace velnora::places
