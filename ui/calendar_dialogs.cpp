// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calendar_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

#include "ui/program.h"

namespace velnora {

std::optional<int> QtCalendarDialogs::askDays(QWidget* parent) {
    bool ok = false;
    const int days = QInputDialog::getInt(
        parent, QString::fromLatin1(kProgramCaption),
        QCoreApplication::translate("velnora::CalendarDialogs",
                                    "Number of days to put into the calendar:"),
        kCalendarDefaultDays, 1, kCalendarMaxDays, 1, &ok);
    if (!ok) return std::nullopt;
    return days;
}

std::optional<bool> QtCalendarDialogs::askLeaveOutMarked(QWidget* parent) {
    const QStringList choices = {
        QCoreApplication::translate("velnora::CalendarDialogs", "Every favorable period"),
        QCoreApplication::translate("velnora::CalendarDialogs",
                                    "Only favorable periods without an almanac mark (Rahu Kaal, "
                                    "Kaal Vela, Kaal Ratri ...)"),
    };
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent, QString::fromLatin1(kProgramCaption),
                              QCoreApplication::translate("velnora::CalendarDialogs",
                                                          "Periods to put into the calendar:"),
                              choices, 0, false, &ok);
    if (!ok) return std::nullopt;
    return chosen == choices[1];
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
