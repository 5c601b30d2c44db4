// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer index's bytes, from its parts (see index_format.h).
#pragma once

#include <string>

#include "places/index_builder.h"

namespace velnora::places::build {

// The whole index file. Sorts the keys and moves the strings' offsets in
// `parts` behind the whole-name keys.
std::string IndexBytes(IndexParts& parts);

}  // namespace velnora::places::build
