// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/cobrand.h"

#include <QWidget>

#include "shell/services.h"
#include "workflow/numbers.h"

namespace velnora {

int CoBrandNumber(double r) { return static_cast<int>(RoundHalfEven(r * 6 + 1)); }

std::optional<UpperPromotion> CoBrandFrontFor(int number) {
    if (number == 7) return std::nullopt;
    return number % 2 == 1 ? UpperPromotion::Cobrand : UpperPromotion::FullBrand;
}

void CoBrand_Randomize(QWidget& frmMain, Random& random) {
    const int intCoBrandRandomNumber = CoBrandNumber(random.draw());
    if (const auto front = CoBrandFrontFor(intCoBrandRandomNumber)) {
        BringPromotionToFront(&frmMain, *front);
    }
}

}  // namespace velnora
