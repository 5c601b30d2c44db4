// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon. The drawing is kept as SVG (installed for the desktop's
// menus); the windows use a 64-pixel raster copy of it, read by libpng so that
// no image plugin is loaded at start-up.
#pragma once

#include <QIcon>

namespace velnora {

QIcon ProgramIcon();

}  // namespace velnora
