// SPDX-License-Identifier: GPL-3.0-or-later
// Every message the program shows, each written once with its icon. The workflow
// and the shell's checks return a MessageId; the windows show the text translated
// (context "Messages") in a box with the icon; velnora-cli prints the English text.
// No Qt: the window toolkit and the workflow both build on this alone.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velnora {

enum class Icon { Critical, Information };

enum class MessageId {
    // ValidateInput and the evaluation
    EnterName,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeDegrees,
    LatitudeMinutes,
    CorrectDateOfWork,
    CorrectTimeOfWork,
    EnterTimeZone,
    SunDoesNotRiseOrSet,
    SunTimesNotOnThisDate,
    NeighbourSunSetAfterMidnight,  // %1: the neighbouring date
    CheckZoneSign,
    NoPeriodFound,  // %1: what was wanted, %2 and %3: the first and last date searched
    // keystroke rules
    OnlyNumbers,
    OnlyLetters,
    // the coordinate lookup
    EnterCity,
    EnterState,
    EnterCountry,
    // start-up
    AlreadyRunning,
    CannotCheckRunning,
    UpdateQuestion,
    // refer a friend
    EmailCannotContainSpace,
    DistinctEmailAddresses,
    ProperEmailAddress,
    EnterYourName,
    EnterYourEmail,
    EnterYourMessage,
    EnterFriendsName,
    EnterFriendsEmail,
};

struct MessageEntry {
    MessageId id;
    Icon icon;
    std::string_view text;  // English; a string literal, so text.data() ends in a NUL.
                            // %1, %2 ... stand for the arguments the message is shown with.
};

inline constexpr std::size_t kMessageCount = 29;

// In the order of MessageId.
extern const std::array<MessageEntry, kMessageCount> kMessages;

std::string_view MessageText(MessageId id);
Icon MessageIcon(MessageId id);
// The English text with %1, %2 ... replaced by `arguments` in their order.
std::string MessageWith(MessageId id, std::initializer_list<std::string_view> arguments);

}  // namespace velnora
