// SPDX-License-Identifier: GPL-3.0-or-later
// The plans' clock chosen from the offline gazetteer.
#pragma once

#include <functional>
#include <optional>

#include "core/clock.h"
#include "forms/plan_clock.h"
#include "planning/listing.h"
#include "workflow/evaluation.h"

namespace velnora {

namespace places {
class Gazetteer;
struct Place;
}  // namespace places

// The clock the plans of `input` follow: the place that alone fits its city,
// state and country, lies within 0° 30' of its latitude and longitude, and whose
// clocks show its zone at the date and time of work; otherwise its typed zone on
// every date, with the reason. A null `gazetteer` finds no place.
PlanClock ChooseClock(const EvaluationInput& input, const places::Gazetteer* gazetteer);

// The plan of a place at the present moment as its clocks show it, and the clock
// it follows; empty when this computer does not know the place's zone.
struct PlaceNow {
    Plan plan;
    PlanClock clock;
};
std::optional<PlaceNow> PlanAtPlaceNow(const places::Place& place, const Clock& clock);

// The program's own gazetteer, opened on the first use.
PlanClockChooser GazetteerClockChooser();
// A given gazetteer, which must outlive the chooser.
PlanClockChooser GazetteerClockChooser(const places::Gazetteer& gazetteer);

}  // namespace velnora
