// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' style: the desktop's own, except that the icons of the buttons a
// menu bar or tool bar shows only when its entries overflow are read when first
// drawn. Every menu bar makes such a button, and reading its icon's files loads
// every image plugin installed before the first window is shown.
#pragma once

namespace velnora {

// Call once, right after the application object is made, before any window.
void UseProgramStyle();

}  // namespace velnora
