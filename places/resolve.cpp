// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/resolve.h"

#include "places/places.h"

namespace velnora::places {

std::string ResolvedPlace::Describe() const {
    const auto hemisphere = [](bool negative, char pos, char neg) { return negative ? neg : pos; };
    return city + ", " + state + ", " + country + " (" + latDegrees + "\u00B0 " + latMinutes + "' " +
           hemisphere(south, 'N', 'S') + ", " + lonDegrees + "\u00B0 " + lonMinutes + "' " +
           hemisphere(!east, 'E', 'W') + ", " + zoneId + ")";
}

std::optional<ResolvedPlace> ResolvePlace(std::string_view placeText, int year, int month, int day,
                                          int hour, int minute, int second) {
    const QList<Place> found =
        FindPlaces(QString::fromUtf8(placeText.data(), static_cast<qsizetype>(placeText.size())), 1);
    if (found.isEmpty()) return std::nullopt;
    const Place& p = found.front();

    QDate date(year, month, day);
    if (!date.isValid()) date = QDate(year, month, 1);
    const std::optional<ZoneOffset> offset = OffsetAt(p.timeZoneId, date, QTime(hour, minute, second));

    ResolvedPlace r;
    r.city = p.city.toStdString();
    r.state = p.state.toStdString();
    r.country = p.country.toStdString();
    r.zoneId = p.timeZoneId.toStdString();
    const DegreesMinutes lat = ToDegreesMinutes(p.latitude, true);
    const DegreesMinutes lon = ToDegreesMinutes(p.longitude, false);
    r.latDegrees = std::to_string(lat.degrees);
    r.latMinutes = std::to_string(lat.minutes);
    r.south = lat.hemisphere == u'S';
    r.lonDegrees = std::to_string(lon.degrees);
    r.lonMinutes = std::to_string(lon.minutes);
    r.east = lon.hemisphere == u'E';
    if (offset) {
        r.zoneHour = HoursText(*offset).toStdString();
        r.zoneMinute = MinutesText(*offset).toStdString();
    }
    return r;
}

}  // namespace velnora::places
