// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/referral.h"

#include <QUrl>
#include <array>

#include "ui/addresses.h"

namespace velnora {
namespace {

bool Missing(const QString& value, const char* placeholder) {
    const QString trimmed = Trim(value);
    return trimmed.isEmpty() || trimmed == QLatin1String(placeholder);
}

QString Encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

}  // namespace

std::optional<MessageId> AddressRefusal(const QString& email, const QString& friendEmail) {
    const QString mine = Trim(email);
    const QString theirs = Trim(friendEmail);
    if (mine == theirs) return MessageId::DistinctEmailAddresses;
    if (!mine.contains(QLatin1Char('@')) || !theirs.contains(QLatin1Char('@')))
        return MessageId::ProperEmailAddress;
    if (!mine.contains(QLatin1Char('.')) || !theirs.contains(QLatin1Char('.')))
        return MessageId::ProperEmailAddress;
    return std::nullopt;
}

std::optional<MessageId> ReferralRefusal(const ReferralFields& fields) {
    struct Check {
        const QString* field;
        const char* placeholder;
        MessageId message;
    };
    const std::array<Check, 5> checks = {{
        {&fields.name, kNamePlaceholder, MessageId::EnterYourName},
        {&fields.email, kEmailPlaceholder, MessageId::EnterYourEmail},
        {&fields.message, kMessagePlaceholder, MessageId::EnterYourMessage},
        {&fields.friendName, kFriendNamePlaceholder, MessageId::EnterFriendsName},
        {&fields.friendEmail, kFriendEmailPlaceholder, MessageId::EnterFriendsEmail},
    }};
    for (const Check& check : checks) {
        if (Missing(*check.field, check.placeholder)) return check.message;
    }
    return std::nullopt;
}

QString ReferralAddress(const ReferralFields& fields) {
    return QString::fromLatin1(address::kReferAFriendScript) + QStringLiteral("?taf1=") +
           Encoded(fields.name) + QStringLiteral("&taf2=") + Encoded(fields.email) +
           QStringLiteral("&taf3=") + Encoded(fields.message) + QStringLiteral("&taf4=") +
           Encoded(fields.friendName) + QStringLiteral("&taf5=") + Encoded(fields.friendEmail) +
           QStringLiteral("&taf6=") + Encoded(QString::fromLatin1(address::kProgramHomePage));
}

}  // namespace velnora
