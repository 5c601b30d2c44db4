// SPDX-License-Identifier: GPL-3.0-or-later
// modHelp's UpdateReminder: the date of the last reminder is kept in the user's
// settings under LastReminderDate; when today lies more than 14 days from it,
// either way, the user is asked whether to look for a newer version.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

class QSettings;

namespace velnora {

class Clock;
class Help;
class MessageBoxes;

inline constexpr char kLastReminderDateKey[] = "LastReminderDate";
inline constexpr int kReminderQuietDays = 14;

// The stored value as a date; absent, empty or unreadable values give nullopt.
std::optional<QDate> ReadReminderDate(const QVariant& stored);

// `days` from today to the stored date, negative when it lies in the past.
// Within -14..14, both ends included, nothing is asked.
bool UpdateQuestionDue(qint64 days);

// Reads and writes LastReminderDate; may ask once and open the download page.
void UpdateReminder(QSettings& settings, const Clock& clock, MessageBoxes& boxes, Help& help);

}  // namespace velnora
