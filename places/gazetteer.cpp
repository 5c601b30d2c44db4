// SPDX-License-Identifier: GPL-3.0-or-later
// Reads every city of libgeonames into a PlaceIndex on the first search. The
// library's own query takes about 55 ms a call, and it neither folds accents
// nor ranks by state and country, so the search runs on the in-memory copy.
// Reading takes about a tenth of a second, most of it in libgeonames' getters.
//
// libgeonames and the GLib libraries it brings are loaded at that first search,
// not at start-up: most runs never look a place up.
#include <geonames.h>

#include <QHash>
#include <QLibrary>
#include <stdexcept>

#include "places/place_index.h"

namespace velnora::places {

namespace {

QString Utf8(const gchar* text) { return text ? QString::fromUtf8(text) : QString(); }

// The library's functions, resolved from libgeonames.so.0 when first needed.
struct Geonames {
    decltype(&geonames_get_n_cities) get_n_cities;
    decltype(&geonames_get_city) get_city;
    decltype(&geonames_city_free) city_free;
    decltype(&geonames_city_get_name) city_get_name;
    decltype(&geonames_city_get_state) city_get_state;
    decltype(&geonames_city_get_country) city_get_country;
    decltype(&geonames_city_get_country_code) city_get_country_code;
    decltype(&geonames_city_get_timezone) city_get_timezone;
    decltype(&geonames_city_get_latitude) city_get_latitude;
    decltype(&geonames_city_get_longitude) city_get_longitude;
    decltype(&geonames_city_get_population) city_get_population;
};

// Throws when the library or one of its functions cannot be had; the lookup
// window shows the message.
Geonames LoadGeonames() {
    static QLibrary library(QStringLiteral("geonames"), 0);  // stays loaded for the run
    if (!library.isLoaded() && !library.load()) {
        throw std::runtime_error("The gazetteer library libgeonames could not be loaded: " +
                                 library.errorString().toStdString());
    }
    auto resolve = [](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        if (!function) throw std::runtime_error(std::string("libgeonames lacks ") + name);
    };
    Geonames g{};
    resolve(g.get_n_cities, "geonames_get_n_cities");
    resolve(g.get_city, "geonames_get_city");
    resolve(g.city_free, "geonames_city_free");
    resolve(g.city_get_name, "geonames_city_get_name");
    resolve(g.city_get_state, "geonames_city_get_state");
    resolve(g.city_get_country, "geonames_city_get_country");
    resolve(g.city_get_country_code, "geonames_city_get_country_code");
    resolve(g.city_get_timezone, "geonames_city_get_timezone");
    resolve(g.city_get_latitude, "geonames_city_get_latitude");
    resolve(g.city_get_longitude, "geonames_city_get_longitude");
    resolve(g.city_get_population, "geonames_city_get_population");
    return g;
}

QList<Place> ReadGazetteer() {
    const Geonames geonames = LoadGeonames();
    QList<Place> places;
    const gint count = geonames.get_n_cities();
    places.reserve(count > 0 ? count : 0);
    QHash<QString, QString> countries;  // by code; the library's getters are slow
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames.get_city(i);
        if (!city) continue;
        Place p;
        p.city = Utf8(geonames.city_get_name(city));
        p.state = Utf8(geonames.city_get_state(city));
        p.countryCode = Utf8(geonames.city_get_country_code(city));
        auto known = countries.constFind(p.countryCode);
        if (known == countries.cend()) {
            known = countries.insert(p.countryCode, Utf8(geonames.city_get_country(city)));
        }
        p.country = *known;
        p.timeZoneId = Utf8(geonames.city_get_timezone(city));
        p.latitude = geonames.city_get_latitude(city);
        p.longitude = geonames.city_get_longitude(city);
        p.population = geonames.city_get_population(city);
        geonames.city_free(city);
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
