// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/messages.h"

namespace velnora {

using enum MessageId;

const std::array<MessageEntry, kMessageCount> kMessages = {{
    {EnterName, Icon::Critical, "Please Enter Name"},
    {LongitudeDegrees, Icon::Critical,
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {LongitudeMinutes, Icon::Critical,
     "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
    {LatitudeDegrees, Icon::Critical,
     "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    {LatitudeMinutes, Icon::Critical,
     "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
    {CorrectDateOfWork, Icon::Information, "Please Enter Correct Date Of Work"},
    {CorrectTimeOfWork, Icon::Information, "Please Enter Correct Time Of Work"},
    {EnterTimeZone, Icon::Critical, "Please Enter Time Zone"},
    {SunDoesNotRiseOrSet, Icon::Information,
     "Sun Does Not Rise Or Set At This Place Around This Date"},
    {SunTimesNotOnThisDate, Icon::Information,
     "Sun Rise And Sun Set Do Not Fall On This Date Here"},
    {OnlyNumbers, Icon::Critical, "Only Numbers Are Accepted"},
    {OnlyLetters, Icon::Information, "Please Enter only Letters"},
    {EnterCity, Icon::Information, "Please Enter City"},
    {EnterState, Icon::Information, "Please Enter State"},
    {EnterCountry, Icon::Information, "Please Enter Country"},
    {AlreadyRunning, Icon::Information, "Application is already running"},
    {CannotCheckRunning, Icon::Information,
     "Application cannot check whether it is already running"},
    {UpdateQuestion, Icon::Information,
     "There maybe an update to this software available\rDo you want to check for an update?"},
    {EmailCannotContainSpace, Icon::Critical, "Email Address Cannot Contain Space"},
    {DistinctEmailAddresses, Icon::Critical, "Please Enter Distinct Email Addresses"},
    {ProperEmailAddress, Icon::Critical, "Please Enter Proper Email Address"},
    {EnterYourName, Icon::Critical, "Please Enter Your Name"},
    {EnterYourEmail, Icon::Critical, "Please Enter Your Email"},
    {EnterYourMessage, Icon::Critical, "Please Enter Your Message"},
    {EnterFriendsName, Icon::Critical, "Please Enter Your Friend's Name"},
    {EnterFriendsEmail, Icon::Critical, "Please Enter Your Friend's Email"},
}};

static_assert(static_cast<std::size_t>(EnterFriendsEmail) + 1 == kMessageCount,
              "one row for each MessageId");

std::string_view MessageText(MessageId id) { return kMessages[static_cast<std::size_t>(id)].text; }

Icon MessageIcon(MessageId id) { return kMessages[static_cast<std::size_t>(id)].icon; }

}  // namespace velnora
