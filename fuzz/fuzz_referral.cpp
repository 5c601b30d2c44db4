// SPDX-License-Identifier: GPL-3.0-or-later
// The referral address over arbitrary field texts: it always parses back to
// exactly taf1..taf6 in order with the five fields unchanged, and every refusal is
// one of the farewell window's messages.
#include <fuzzer/FuzzedDataProvider.h>

#include <QUrl>
#include <cstdlib>

#include "shell/referral.h"
#include "ui/addresses.h"

namespace {

using namespace velnora;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool OneOf(std::optional<MessageId> refusal, std::initializer_list<MessageId> messages) {
    for (const MessageId m : messages) {
        if (refusal == m) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ReferralFields f;
    for (QString* field : {&f.name, &f.email, &f.message, &f.friendName, &f.friendEmail}) {
        *field = QString::fromStdString(in.ConsumeRandomLengthString(40));
    }

    const std::optional<MessageId> address = AddressRefusal(f.email, f.friendEmail);
    Check(!address ||
          OneOf(address, {MessageId::DistinctEmailAddresses, MessageId::ProperEmailAddress}));
    const std::optional<MessageId> refusal = ReferralRefusal(f);
    Check(!refusal || OneOf(refusal, {MessageId::EnterYourName, MessageId::EnterYourEmail,
                                      MessageId::EnterYourMessage, MessageId::EnterFriendsName,
                                      MessageId::EnterFriendsEmail}));

    // Split the query as a web server does: at "&", then at the first "=", then
    // percent-decode the value as UTF-8.
    const QString built = ReferralAddress(f);
    Check(QUrl(built, QUrl::StrictMode).isValid());
    const QStringList pairs = built.section(QLatin1Char('?'), 1).split(QLatin1Char('&'));
    Check(pairs.size() == 6);
    const QString expected[6] = {f.name,        f.email,
                                 f.message,     f.friendName,
                                 f.friendEmail, QString::fromLatin1(address::kProgramHomePage)};
    for (int i = 0; i < 6; ++i) {
        Check(pairs[i].section(QLatin1Char('='), 0, 0) == QStringLiteral("taf%1").arg(i + 1));
        const QByteArray value = pairs[i].section(QLatin1Char('='), 1).toLatin1();
        Check(QString::fromUtf8(QByteArray::fromPercentEncoding(value)) == expected[i]);
    }
    return 0;
}
