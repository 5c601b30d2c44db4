// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tell_a_friend.h"

#include "forms/seams.h"
#include "shell/help.h"

namespace velnora {

void SubmitReferral(const ReferralFields& fields, MessageBoxes& boxes, Help& help,
                    QWidget* parent) {
    if (const QString refusal = ReferralRefusal(fields); !refusal.isEmpty()) {
        boxes.show(parent, refusal, Icon::Critical);
        return;
    }
    help.OpenAddress(ReferralAddress(fields));
}

}  // namespace velnora
