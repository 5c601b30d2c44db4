// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/update_reminder.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "shell/help.h"
#include "shell/plain_file.h"
#include "shell/services.h"
#include "ui/message_boxes.h"

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

QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velnora/Velnora.conf");
}

void UpdateReminder(const QString& settingsPath, const Clock& clock, MessageBoxes& boxes,
                    Help& help) {
    const QDate today = Today(clock);
    // Opening a FIFO would block until something writes to it.
    std::optional<QSettings> settings;
    if (IsRegularFileOrAbsent(settingsPath)) settings.emplace(settingsPath, QSettings::IniFormat);
    const auto store = [&] {
        if (!settings) return;
        settings->setValue(kLastReminderDateKey, today.toString(Qt::ISODate));
        settings->sync();
        QFile::setPermissions(settingsPath, QFile::ReadOwner | QFile::WriteOwner);
    };
    const std::optional<QDate> last =
        settings ? ReadReminderDate(settings->value(kLastReminderDateKey)) : std::nullopt;
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
