// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/update_reminder.h"

#include <QFile>
#include <QSettings>

#include "forms/seams.h"
#include "shell/help.h"
#include "shell/services.h"

namespace velnora {

std::optional<QDate> ReadReminderDate(const QVariant& stored) {
    if (!stored.isValid()) return std::nullopt;
    const QDate date = QDate::fromString(stored.toString().trimmed(), Qt::ISODate);
    if (!date.isValid()) return std::nullopt;
    return date;
}

bool UpdateQuestionDue(qint64 days) {
    return days < -kReminderQuietDays || days > kReminderQuietDays;
}

void UpdateReminder(QSettings& settings, const Clock& clock, MessageBoxes& boxes, Help& help) {
    const QDate today = Today(clock);
    const auto store = [&] {
        settings.setValue(kLastReminderDateKey, today.toString(Qt::ISODate));
        settings.sync();
        QFile::setPermissions(settings.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    };
    const std::optional<QDate> last = ReadReminderDate(settings.value(kLastReminderDateKey));
    if (!last) {
        store();
        return;
    }
    if (!UpdateQuestionDue(today.daysTo(*last))) return;
    const bool yes = AskMessage(boxes, nullptr, MessageId::UpdateQuestion);
    store();
    if (yes) help.OpenDownloadPage();
}

}  // namespace velnora
