// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tell_a_friend.h"

#include "shell/help.h"
#include "ui/message_boxes.h"

namespace velnora {

void SubmitReferral(const ReferralFields& fields, MessageBoxes& boxes, Help& help,
                    QWidget* parent) {
    if (const std::optional<MessageId> refusal = ReferralRefusal(fields)) {
        ShowMessage(boxes, parent, *refusal);
        return;
    }
    help.OpenAddress(ReferralAddress(fields));
}

}  // namespace velnora
