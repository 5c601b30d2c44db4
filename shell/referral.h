// SPDX-License-Identifier: GPL-3.0-or-later
// The referral's checks and address as pure functions over the five fields of the
// farewell window (Qt Core only). Each value is percent-encoded so that "&", "#",
// "=" or "%" typed by the user cannot break or add parameters.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

#include "core/text.h"
#include "messages/messages.h"

namespace velnora {

// The fields' first texts, in English; the farewell window shows them translated.
inline constexpr char kNamePlaceholder[] = QT_TRANSLATE_NOOP("velnora::FrmFarewell", "Your Name");
inline constexpr char kEmailPlaceholder[] =
    QT_TRANSLATE_NOOP("velnora::FrmFarewell", "Your Email Address");
inline constexpr char kMessagePlaceholder[] =
    QT_TRANSLATE_NOOP("velnora::FrmFarewell", "Your Message");
inline constexpr char kFriendNamePlaceholder[] =
    QT_TRANSLATE_NOOP("velnora::FrmFarewell", "Friend's Name");
inline constexpr char kFriendEmailPlaceholder[] =
    QT_TRANSLATE_NOOP("velnora::FrmFarewell", "Friend's Email Address");

struct ReferralFields {
    QString name;
    QString email;
    QString message;  // line breaks as carriage return + line feed
    QString friendName;
    QString friendEmail;
};

// cmdSubmit_Click's checks of the two addresses, in order; nullopt passes.
std::optional<MessageId> AddressRefusal(const QString& email, const QString& friendEmail);

// SubmitReferral's checks, in order: the first field that is empty or still its
// placeholder gives its message; nullopt passes.
std::optional<MessageId> ReferralRefusal(const ReferralFields& fields);

// The script's address with taf1..taf6, each value percent-encoded.
QString ReferralAddress(const ReferralFields& fields);

}  // namespace velnora
