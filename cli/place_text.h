// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer's answers in velnora-cli's English: the places it found, and
// why its list of places cannot be used.
#pragma once

#include <string>

#include "places/places.h"

namespace velnora::cli {

// "The list of places /x/gazetteer.idx is damaged."
std::string IndexProblemText(const places::IndexProblem& problem);

// "Mumbai", or with the name it was found by: "Bombay (Mumbai)", or for a
// division's largest place "Cariacica: the district's largest place, Vitória".
std::string NameAsFound(const places::Place& place);

// "Bangalore (Bengaluru), Karnataka, India"; an empty state is left out.
std::string PlaceLine(const places::Place& place);

// The place taken: "Pune, Maharashtra, India (18° 31' N, 73° 51' E, Asia/Kolkata)".
std::string TakenPlaceText(const places::Place& place);

}  // namespace velnora::cli
