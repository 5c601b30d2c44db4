// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/gazetteer_clock.h"

#include <QStringList>
#include <cmath>

#include "places/place_clock.h"
#include "places/places.h"

namespace velnora {

namespace {

// How far the gazetteer's place may lie from the form's coordinates: 0° 30'.
constexpr double kNearDegrees = 0.5;

bool Near(const EvaluationInput& input, const places::Place& place) {
    const double lat = SignedDegrees(input.position.latitude);
    const double lon = SignedDegrees(input.position.longitude);
    double across = std::fabs(lon - place.longitude);
    if (across > 180) across = 360 - across;
    return std::fabs(lat - place.latitude) <= kNearDegrees && across <= kNearDegrees;
}

}  // namespace

PlanClock ChooseClock(const EvaluationInput& input, const places::Gazetteer* gazetteer) {
    PlanClock clock;
    clock.typed = input.zone;
    QStringList texts;
    for (const std::string& t : {input.city, input.state, input.country}) {
        const QString text = QString::fromStdString(t).trimmed();
        if (!text.isEmpty()) texts << text;
    }
    if (!gazetteer || input.city.find_first_not_of(' ') == std::string::npos) return clock;
    const places::SearchResult found = gazetteer->Search(texts.join(QStringLiteral(", ")));
    if (found.outcome == places::SearchOutcome::Ambiguous) {
        clock.followed = ClockFollowed::SeveralPlaces;
        return clock;
    }
    if (found.outcome != places::SearchOutcome::Found || found.places.isEmpty()) return clock;
    const places::Place& place = found.places.front();
    clock.city = place.city;
    clock.zoneId = place.timeZoneId;
    if (!Near(input, place)) {
        clock.followed = ClockFollowed::NotHere;
        return clock;
    }
    const places::ZoneClock tz(place.timeZoneId.toStdString());
    const auto atWork = places::MomentOf(tz, input.date, input.time);
    if (!atWork) {
        clock.followed = ClockFollowed::ZoneUnknown;
        return clock;
    }
    if (ZoneSeconds(atWork->zone) != ZoneSeconds(input.zone)) {
        clock.followed = ClockFollowed::OtherOffset;
        clock.shown = atWork->zone;
        return clock;
    }
    return PlaceClock(place, input.zone);
}

PlanClock PlaceClock(const places::Place& place, const ZoneOffset& typed) {
    PlanClock clock;
    clock.followed = ClockFollowed::PlaceClocks;
    clock.city = place.city;
    clock.zoneId = place.timeZoneId;
    clock.typed = typed;
    const places::ZoneClock tz(place.timeZoneId.toStdString());
    clock.zoneFor = [tz, typed](const Date& d, const ClockTime& t) {
        return places::OffsetOnTheClocks(tz, d, t, typed);
    };
    clock.wall = [tz](const LocalDateTime& t, const ZoneOffset& zone) {
        const auto m = tz.LocalMomentAt(t.seconds + ZoneSeconds(zone));
        return m ? m->reading : t;
    };
    return clock;
}

std::optional<PlaceNow> PlanAtPlaceNow(const places::Place& place, const Clock& clock) {
    const places::ZoneClock tz(place.timeZoneId.toStdString());
    const auto now = tz.LocalMomentAt(clock.now().time_since_epoch().count());
    if (!now) return std::nullopt;
    EvaluationInput at;
    at.date = now->reading.date();
    at.time = now->reading.time();
    at.position = {places::ToDegreesMinutes(place.latitude, true),
                   places::ToDegreesMinutes(place.longitude, false)};
    at.zone = now->zone;
    at.city = place.city.toStdString();
    at.state = place.state.toStdString();
    at.country = place.country.toStdString();
    PlanClock followed = PlaceClock(place, now->zone);
    // In the hour the clocks repeat, the present reading stands for the moment
    // read, not for the first of the two.
    const LocalDateTime reading = now->reading;
    followed.zoneFor = [onTheClocks = followed.zoneFor, reading, zone = now->zone](
                           const Date& d, const ClockTime& t) -> std::optional<ZoneOffset> {
        if (LocalDateTime::From(d, t) == reading) return zone;
        return onTheClocks(d, t);
    };
    Plan plan{at, followed.zoneFor};
    return PlaceNow{std::move(plan), std::move(followed)};
}

PlanClockChooser GazetteerClockChooser() {
    return [](const FormValues& form) {
        const auto read = ReadForm(form);
        if (!std::holds_alternative<EvaluationInput>(read)) return PlanClock{};
        return ChooseClock(std::get<EvaluationInput>(read), places::DefaultGazetteer());
    };
}

PlanClockChooser GazetteerClockChooser(const places::Gazetteer& gazetteer) {
    return [&gazetteer](const FormValues& form) {
        const auto read = ReadForm(form);
        if (!std::holds_alternative<EvaluationInput>(read)) return PlanClock{};
        return ChooseClock(std::get<EvaluationInput>(read), &gazetteer);
    };
}

}  // namespace velnora
