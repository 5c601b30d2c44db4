// SPDX-License-Identifier: GPL-3.0-or-later
// Which clock the periods window and Add to Calendar follow. The result window
// always keeps the zone typed on the form; the plans follow the place's own
// clocks, daylight saving included, when the gazetteer knows the form's place at
// its coordinates and those clocks show the typed zone at the time of work.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/date_time.h"
#include "core/zone_offset.h"
#include "planning/listing.h"
#include "workflow/form_values.h"

namespace velnora {

enum class ClockFollowed {
    PlaceClocks,    // the place's own clocks
    NoPlace,        // no place of this name (or the list of places cannot be read)
    SeveralPlaces,  // several places fit the three texts
    NotHere,        // the place does not lie within 0° 30' of the form's coordinates
    OtherOffset,    // its clocks show another offset at the time of work than the typed one
    ZoneUnknown,    // this computer's zone data does not know the place's zone
};

struct PlanClock {
    ClockFollowed followed = ClockFollowed::NoPlace;
    QString city;      // the place's name as the gazetteer writes it
    QString zoneId;    // its zone, "America/New_York"
    ZoneOffset typed;  // the zone typed on the form
    std::optional<ZoneOffset>
        shown;            // OtherOffset: what the place's clocks show at the time of work
    ZoneForDate zoneFor;  // PlaceClocks: the place's offset on each date
    WallReading wall;     // PlaceClocks: a time as the place's clocks show it
};

// The clock for a form that passed Proceed's checks.
using PlanClockChooser = std::function<PlanClock(const FormValues& form)>;

}  // namespace velnora
