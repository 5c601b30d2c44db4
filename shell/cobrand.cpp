// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/cobrand.h"

#include <QWidget>

#include "forms/banners.h"
#include "shell/services.h"
#include "workflow/numbers.h"

namespace velnora {

int CoBrandNumber(double r) { return static_cast<int>(RoundHalfEven(r * 6 + 1)); }

CoBrandFront CoBrandFrontFor(int number) {
    if (number == 7) return CoBrandFront::DesignOrder;
    return number % 2 == 1 ? CoBrandFront::CoBrand : CoBrandFront::FullBrand;
}

void CoBrand_Randomize(QWidget& frmMain, Random& random) {
    const int intCoBrandRandomNumber = CoBrandNumber(random.draw());
    switch (CoBrandFrontFor(intCoBrandRandomNumber)) {
        case CoBrandFront::CoBrand:
            return BringPromotionToFront(&frmMain, UpperPromotion::Cobrand);
        case CoBrandFront::FullBrand:
            return BringPromotionToFront(&frmMain, UpperPromotion::FullBrand);
        case CoBrandFront::DesignOrder:
            return;
    }
}

}  // namespace velnora
