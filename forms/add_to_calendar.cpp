// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/add_to_calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <string>
#include <vector>

#include "files/replace_file.h"
#include "planning/calendar.h"
#include "planning/listing.h"

namespace velnora {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("velnora::AddToCalendar", text); }

// Why the file was not written, in the user's language; the system's errors in
// the words the C library gives them in English.
QString WriteFailureText(const WriteFailure& failure) {
    switch (failure.kind) {
        case WriteFailureKind::Incomplete:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                        "the contents could not be written in full"));
        case WriteFailureKind::PlantedLink:
            return Tr(
                QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                  "a link another user made in a shared folder is not followed"));
        case WriteFailureKind::NotRegularFile:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "not a regular file"));
        case WriteFailureKind::Folder:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Is a directory"));
        case WriteFailureKind::ReadOnly:
            return Tr(
                QT_TRANSLATE_NOOP("velnora::AddToCalendar", "the file is read-only for this user"));
        case WriteFailureKind::PermissionDenied:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Permission denied"));
        case WriteFailureKind::ReadOnlyFileSystem:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Read-only file system"));
        case WriteFailureKind::NoSpace:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "No space left on device"));
        case WriteFailureKind::NotFound:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "No such file or directory"));
        case WriteFailureKind::NameTooLong:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "File name too long"));
        case WriteFailureKind::TooManyLinks:
            return Tr(
                QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Too many levels of symbolic links"));
        case WriteFailureKind::TooLarge:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "File too large"));
        case WriteFailureKind::InputOutput:
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Input/output error"));
        case WriteFailureKind::Other:
            break;
    }
    return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "system error %1")).arg(failure.code);
}

}  // namespace

std::optional<int> AddToCalendar(QWidget* parent, const FormValues& form, const Clock& clock,
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
    const std::vector<DayListing> days = ListDays({std::get<EvaluationInput>(read), {}}, count);
    CalendarRequest request;
    request.days = days;
    request.stamp = clock.now();
    request.clearOnly = *leaveOutMarked;
    int events = 0;
    const auto write = [&](std::ostream& out) {
        events = WriteCalendar(out, request);
        return static_cast<bool>(out);
    };
    const QString shown = QDir::toNativeSeparators(path);
    if (const auto failure = ReplaceFile(QFile::encodeName(path).toStdString(), write)) {
        boxes.show(parent,
                   QCoreApplication::translate("velnora::AddToCalendar",
                                               "The calendar file %1 could not be written: %2")
                       .arg(shown, WriteFailureText(*failure)),
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
