// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/add_to_calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <string>
#include <vector>

#include "planning/calendar.h"
#include "planning/listing.h"
#include "planning/replace_file.h"

namespace velnora {

std::optional<int> AddToCalendar(QWidget* parent, const FormValues& form,
                                 const ZoneForDate& zoneFor, const Clock& clock,
                                 CalendarDialogs& dialogs, MessageBoxes& boxes) {
    const std::optional<int> asked = dialogs.askDays(parent, kMaxListedDays);
    if (!asked) return std::nullopt;
    const int count = std::clamp(*asked, 1, kMaxListedDays);
    const std::optional<bool> leaveOutMarked = dialogs.askLeaveOutMarked(parent);
    if (!leaveOutMarked) return std::nullopt;
    const QString path = dialogs.askFile(parent);
    if (path.isEmpty()) return std::nullopt;

    const auto read = ReadForm(form);
    if (!std::holds_alternative<EvaluationInput>(read)) return std::nullopt;  // Proceed refused it
    const std::vector<DayListing> days =
        ListDays({std::get<EvaluationInput>(read), zoneFor}, count);
    CalendarRequest request;
    request.days = days;
    request.stamp = clock.now();
    request.clearOnly = *leaveOutMarked;
    int events = 0;
    std::string reason;
    const auto write = [&](std::ostream& out) {
        events = WriteCalendar(out, request);
        return static_cast<bool>(out);
    };
    const QString shown = QDir::toNativeSeparators(path);
    if (!ReplaceFile(QFile::encodeName(path).toStdString(), write, reason)) {
        boxes.show(parent,
                   QCoreApplication::translate("velnora::AddToCalendar",
                                               "The calendar file %1 could not be written: %2")
                       .arg(shown, QString::fromLocal8Bit(reason.c_str())),
                   Icon::Critical);
        return std::nullopt;
    }
    boxes.show(parent,
               (request.clearOnly ? QCoreApplication::translate(
                                        "velnora::AddToCalendar",
                                        "%1 favorable periods without an almanac mark of %2 days "
                                        "were written to %3.")
                                  : QCoreApplication::translate(
                                        "velnora::AddToCalendar",
                                        "%1 favorable periods of %2 days were written to %3."))
                   .arg(events)
                   .arg(days.size())
                   .arg(shown),
               Icon::Information);
    return events;
}

}  // namespace velnora
