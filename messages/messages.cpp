// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/messages.h"

// lupdate finds the texts by this macro's name; without Qt it is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace velnora {

using enum MessageId;

const std::array<MessageEntry, kMessageCount> kMessages = {{
    {EnterName, Icon::Critical, QT_TRANSLATE_NOOP("Messages", "Please Enter Name")},
    {LongitudeDegrees, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages",
                       "Please Enter Value Between 0 And 179 in the Degree of Longitude")},
    {LongitudeMinutes, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages",
                       "Please Enter Value Between 0 And 59 in the  Minute of Longitude")},
    {LatitudeDegrees, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages",
                       "Please Enter Value Between 0 And 89 in the Degree of Latitude")},
    {LatitudeMinutes, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages",
                       "Please Enter Value Between 0 And 59 in the  Minute of Latitude")},
    {CorrectDateOfWork, Icon::Information,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Correct Date Of Work")},
    {CorrectTimeOfWork, Icon::Information,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Correct Time Of Work")},
    {EnterTimeZone, Icon::Critical, QT_TRANSLATE_NOOP("Messages", "Please Enter Time Zone")},
    {SunDoesNotRiseOrSet, Icon::Information,
     QT_TRANSLATE_NOOP("Messages", "Sun Does Not Rise Or Set At This Place Around This Date")},
    {SunTimesNotOnThisDate, Icon::Information,
     QT_TRANSLATE_NOOP("Messages", "Sun Rise And Sun Set Do Not Fall On This Date Here")},
    {NeighbourSunSetAfterMidnight, Icon::Information,
     QT_TRANSLATE_NOOP("Messages",
                       "Sun Sets After Midnight Here On %1, Next To This Date, So This Date "
                       "Cannot Be Evaluated")},
    {CheckZoneSign, Icon::Critical,
     QT_TRANSLATE_NOOP(
         "Messages",
         "Sun Rise Comes After Sun Set In This Time Zone. Check the zone's sign: "
         "zones east of Greenwich are negative (India: hours -5, minutes 30 or -30)")},
    {NoPeriodFound, Icon::Information,
     QT_TRANSLATE_NOOP("Messages",
                       "No %1 Period From %2 To %3: After The Time Of Work None Of These Dates "
                       "Has Its Sun Rise And Sun Set In Order Here")},
    {OnlyNumbers, Icon::Critical, QT_TRANSLATE_NOOP("Messages", "Only Numbers Are Accepted")},
    {OnlyLetters, Icon::Information, QT_TRANSLATE_NOOP("Messages", "Please Enter only Letters")},
    {EnterCity, Icon::Information, QT_TRANSLATE_NOOP("Messages", "Please Enter City")},
    {EnterState, Icon::Information, QT_TRANSLATE_NOOP("Messages", "Please Enter State")},
    {EnterCountry, Icon::Information, QT_TRANSLATE_NOOP("Messages", "Please Enter Country")},
    {AlreadyRunning, Icon::Information,
     QT_TRANSLATE_NOOP("Messages", "Application is already running")},
    {CannotCheckRunning, Icon::Information,
     QT_TRANSLATE_NOOP("Messages",
                       "Application cannot check whether it is already running: "
                       "no lock file can be made in %1")},
    {UpdateQuestion, Icon::Information,
     QT_TRANSLATE_NOOP(
         "Messages",
         "There maybe an update to this software available\rDo you want to check for an update?")},
    {EmailCannotContainSpace, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages", "Email Address Cannot Contain Space")},
    {DistinctEmailAddresses, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Distinct Email Addresses")},
    {ProperEmailAddress, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Proper Email Address")},
    {EnterYourName, Icon::Critical, QT_TRANSLATE_NOOP("Messages", "Please Enter Your Name")},
    {EnterYourEmail, Icon::Critical, QT_TRANSLATE_NOOP("Messages", "Please Enter Your Email")},
    {EnterYourMessage, Icon::Critical, QT_TRANSLATE_NOOP("Messages", "Please Enter Your Message")},
    {EnterFriendsName, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Your Friend's Name")},
    {EnterFriendsEmail, Icon::Critical,
     QT_TRANSLATE_NOOP("Messages", "Please Enter Your Friend's Email")},
}};

static_assert(static_cast<std::size_t>(EnterFriendsEmail) + 1 == kMessageCount,
              "one row for each MessageId");

std::string_view MessageText(MessageId id) { return kMessages[static_cast<std::size_t>(id)].text; }

Icon MessageIcon(MessageId id) { return kMessages[static_cast<std::size_t>(id)].icon; }

std::string MessageWith(MessageId id, std::initializer_list<std::string_view> arguments) {
    const std::string_view text = MessageText(id);
    std::string written;
    written.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (text[i] == '%' && n < arguments.size()) {
            written += arguments.begin()[n];
            ++i;
        } else {
            written += text[i];
        }
    }
    return written;
}

}  // namespace velnora
