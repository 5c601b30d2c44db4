// SPDX-License-Identifier: GPL-3.0-or-later
// UpdateReminder: the date of the last reminder is kept in the user's
// settings under LastReminderDate; when today lies more than 14 days from it,
// either way, the user is asked whether to look for a newer version. A settings
// path that holds anything but a regular file (a FIFO, a folder) counts as no
// stored date and is never written, so the start goes on.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

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

// The user's settings file: Velnora/Velnora.conf in the user's configuration folder.
QString SettingsPath();

// Reads and writes LastReminderDate in the settings file at `settingsPath`; may
// ask once and open the download page.
void UpdateReminder(const QString& settingsPath, const Clock& clock, MessageBoxes& boxes,
                    Help& help);

}  // namespace velnora
