// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: a drawing kept as SVG, with a raster copy of the same
// drawing for systems whose Qt cannot read SVG.
#pragma once

#include <QIcon>

namespace velnora {

QIcon ProgramIcon();

}  // namespace velnora
