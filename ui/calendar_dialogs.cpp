// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calendar_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

#include "ui/program.h"

namespace velnora {

std::optional<int> QtCalendarDialogs::askDays(QWidget* parent, int maxDays) {
    bool ok = false;
    const int days = QInputDialog::getInt(
        parent, QString::fromLatin1(kProgramCaption),
        QCoreApplication::translate("velnora::CalendarDialogs",
                                    "Number of days to put into the calendar:"),
        kCalendarDefaultDays, 1, maxDays, 1, &ok);
    if (!ok) return std::nullopt;
    return days;
}

QString QtCalendarDialogs::askFile(QWidget* parent) {
    QFileDialog dialog(
        parent, QCoreApplication::translate("velnora::CalendarDialogs", "Add to Calendar"),
        QDir::homePath() + QStringLiteral("/velnora.ics"),
        QCoreApplication::translate("velnora::CalendarDialogs", "Calendar files (*.ics)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace velnora
