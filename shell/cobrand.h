// SPDX-License-Identifier: GPL-3.0-or-later
// CoBrand_Randomize: one draw decides which of the main form's two promotional
// labels in Frame5 lies in front. The labels share one rectangle and are opaque.
#pragma once

#include <optional>

#include "forms/banners.h"

class QWidget;

namespace velnora {

class Random;

// r in [0, 1) to the number 1..7: r * 6 + 1 with halves to even, so 1 and 7 are
// each half as likely as 2..6.
int CoBrandNumber(double r);

// 1, 3, 5: co-brand; 2, 4, 6: full brand; 7: none, so the design order stays
// (lblFullBrand above lblCobrand).
std::optional<UpperPromotion> CoBrandFrontFor(int number);

// Draws once and raises the label `frmMain` names lblCobrand or lblFullBrand.
void CoBrand_Randomize(QWidget& frmMain, Random& random);

}  // namespace velnora
