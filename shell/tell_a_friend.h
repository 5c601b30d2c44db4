// SPDX-License-Identifier: GPL-3.0-or-later
// The farewell window's referral. The window stores five trimmed
// fields, checks the two addresses, and SubmitReferral checks each field against
// its placeholder before opening the refer-a-friend script with the fields as
// taf1..taf6 (see referral.h).
#pragma once

#include <QString>

#include "shell/referral.h"

class QWidget;

namespace velnora {

class Help;
class MessageBoxes;

// Refuses with a critical message box, or opens the referral address.
void SubmitReferral(const ReferralFields& fields, MessageBoxes& boxes, Help& help, QWidget* parent);

}  // namespace velnora
