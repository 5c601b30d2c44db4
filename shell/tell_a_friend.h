// SPDX-License-Identifier: GPL-3.0-or-later
// modTellAFriend: the farewell window's referral. The window stores five trimmed
// fields, checks the two addresses, and SubmitReferral checks each field against
// its placeholder before opening the refer-a-friend script with the fields as
// taf1..taf6. Each value is percent-encoded so that "&", "#", "=" or "%" typed by
// the user cannot break or add parameters.
#pragma once

#include <QString>

class QWidget;

namespace velnora {

class Help;
class MessageBoxes;

inline constexpr char kNamePlaceholder[] = "Your Name";
inline constexpr char kEmailPlaceholder[] = "Your Email Address";
inline constexpr char kMessagePlaceholder[] = "Your Message";
inline constexpr char kFriendNamePlaceholder[] = "Friend's Name";
inline constexpr char kFriendEmailPlaceholder[] = "Friend's Email Address";

struct ReferralFields {
    QString name;
    QString email;
    QString message;  // line breaks as carriage return + line feed
    QString friendName;
    QString friendEmail;
};

// The text without blanks at its start and end; line breaks and tabs are kept.
QString TrimBlanks(const QString& text);

// cmdSubmit_Click's checks of the two addresses, in order; an empty result passes.
QString AddressRefusal(const QString& email, const QString& friendEmail);

// SubmitReferral's checks, in order: the first field that is empty or still its
// placeholder gives its message; an empty result passes.
QString ReferralRefusal(const ReferralFields& fields);

// The script's address with taf1..taf6, each value percent-encoded.
QString ReferralAddress(const ReferralFields& fields);

// Refuses with a critical message box, or opens the referral address.
void SubmitReferral(const ReferralFields& fields, MessageBoxes& boxes, Help& help, QWidget* parent);

}  // namespace velnora
