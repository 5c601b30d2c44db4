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

// The place's own clocks, daylight saving included; `typed` stands where its zone
// gives no answer, and the present reading, when given, for the moment read.
PlanClock PlaceClock(const places::Place& place, const places::ZoneClock& tz,
                     const ZoneOffset& typed, const std::optional<places::LocalMoment>& now) {
    PlanClock clock;
    clock.followed = ClockFollowed::PlaceClocks;
    clock.city = place.city;
    clock.zoneId = place.timeZoneId;
    clock.typed = typed;
    clock.zoneFor = places::OffsetsOnTheClocks{tz, typed, now};
    clock.wall = [tz](const LocalDateTime& t, const ZoneOffset& zone) {
        return tz.ReadingAt(t, zone);
    };
    return clock;
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
    return PlaceClock(place, tz, input.zone, std::nullopt);
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
    PlanClock followed = PlaceClock(place, tz, now->zone, now);
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
