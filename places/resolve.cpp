// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/resolve.h"

#include "places/places.h"

namespace velnora::places {

namespace {

constexpr qsizetype kMostOthers = 5;

ResolvedPlace Resolved(const Place& p, QDate date, QTime time) {
    ResolvedPlace r;
    r.city = p.city.toStdString();
    r.state = p.state.toStdString();
    r.country = p.country.toStdString();
    r.zoneId = p.timeZoneId.toStdString();
    r.standsFor = p.standsFor.toStdString();
    r.latitude = p.latitude;
    r.longitude = p.longitude;
    const DegreesMinutes lat = ToDegreesMinutes(p.latitude, true);
    const DegreesMinutes lon = ToDegreesMinutes(p.longitude, false);
    r.latDegrees = std::to_string(lat.degrees);
    r.latMinutes = std::to_string(lat.minutes);
    r.south = lat.hemisphere == u'S';
    r.lonDegrees = std::to_string(lon.degrees);
    r.lonMinutes = std::to_string(lon.minutes);
    r.east = lon.hemisphere == u'E';
    if (const std::optional<ZoneOffset> offset = OffsetAt(p.timeZoneId, date, time)) {
        r.zoneHour = HoursText(*offset).toStdString();
        r.zoneMinute = MinutesText(*offset).toStdString();
    }
    return r;
}

}  // namespace

std::string ResolvedPlace::Describe() const {
    const auto hemisphere = [](bool negative, char pos, char neg) { return negative ? neg : pos; };
    return city + (state.empty() ? "" : ", " + state) + ", " + country + " (" + latDegrees +
           "\u00B0 " + latMinutes + "' " + hemisphere(south, 'N', 'S') + ", " + lonDegrees +
           "\u00B0 " + lonMinutes + "' " + hemisphere(!east, 'E', 'W') + ", " + zoneId + ")";
}

PlaceResolution ResolvePlace(std::string_view placeText, int year, int month, int day, int hour,
                             int minute, int second) {
    PlaceResolution r;
    IndexProblem why;
    const Gazetteer* gazetteer = DefaultGazetteer(&why);
    if (!gazetteer) {
        r.outcome = Resolution::NoGazetteer;
        r.others.push_back(EnglishReason(why).toStdString());
        return r;
    }
    const SearchResult found = gazetteer->Search(
        QString::fromUtf8(placeText.data(), static_cast<qsizetype>(placeText.size())),
        kMostOthers + 1);

    QDate date(year, month, day);
    if (!date.isValid()) date = QDate(year, month, 1);
    qsizetype from = 0;
    switch (found.outcome) {
        case SearchOutcome::Found:
            r.outcome = Resolution::Found;
            break;
        case SearchOutcome::Ambiguous:
            r.outcome = Resolution::Ambiguous;
            break;
        case SearchOutcome::Contradicted:
            r.outcome = Resolution::Contradicted;
            break;
        case SearchOutcome::Partial:
            r.outcome = Resolution::Partial;
            break;
        case SearchOutcome::NotItsName:
            r.outcome = Resolution::NotItsName;
            break;
        case SearchOutcome::NearMiss:
            r.outcome = Resolution::NearMiss;
            break;
        case SearchOutcome::NoMatch:
            return r;
    }
    r.name = found.name.toStdString();
    for (const QString& w : found.against) r.against.push_back(w.toStdString());
    for (const QString& w : found.passedOver) r.passedOver.push_back(w.toStdString());
    r.namedBy = found.namedBy;
    if (r.outcome == Resolution::Found || r.outcome == Resolution::Ambiguous) {
        r.taken = Resolved(found.places.front(), date, QTime(hour, minute, second));
        from = 1;
    }
    const qsizetype until =
        r.outcome == Resolution::Ambiguous ? found.equallyGood : found.places.size();
    for (qsizetype i = from; i < until && i < from + kMostOthers; ++i) {
        r.others.push_back(DescribePlace(found.places[i]).toStdString());
    }
    return r;
}

}  // namespace velnora::places
