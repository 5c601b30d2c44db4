// SPDX-License-Identifier: GPL-3.0-or-later
// The checks "Proceed" makes before anything is computed.
#pragma once

#include <optional>

#include "workflow/form_values.h"

namespace velnora {

// The first failing check, in the program's order (name, longitude degrees and
// minutes, latitude degrees and minutes, day of the month), or nullopt when all
// pass. Time zone, place names, time lists and hemispheres are not looked at.
std::optional<Message> ValidateInput(const FormValues& form);

// The coordinate lookup's checks: city, state and country must not be empty
// (a box of blanks counts as filled).
std::optional<Message> ValidateLookup(const FormValues& form);

// City, state and country joined by single blanks, then " Latitude Longitude";
// the texts exactly as typed.
std::string LookupSearchText(const FormValues& form);

}  // namespace velnora
