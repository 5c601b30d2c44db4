// SPDX-License-Identifier: GPL-3.0-or-later
// How the typed name named the place a search took, which the edges warn of
// when it is not the place's own name.
#pragma once

namespace velnora::places {

enum class NamedBy {
    OwnName,     // its own name, its ASCII spelling, its short name or its name in another script
    OtherName,   // another or an older name of it: "Bombay" for Mumbai
    PartOfName,  // whole words inside its longer name: "Poblacion" of "Santander Poblacion"
};

}  // namespace velnora::places
