// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/add_to_calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <string>
#include <vector>

#include "files/replace_file.h"
#include "forms/result_texts.h"
#include "planning/calendar.h"
#include "planning/listing.h"

namespace velnora {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("velnora::AddToCalendar", text); }

// The calendar in the windows' language: period names and verdicts as the
// windows show them.
class CalendarTr final : public CalendarWords {
public:
    std::string place(const EvaluationResult& r) const override {
        QStringList parts;
        for (const std::string* part : {&r.city, &r.state, &r.country}) {
            if (!part->empty()) parts << QString::fromStdString(*part);
        }
        const QString position = Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1, %2"))
                                     .arg(CoordinateText(r.latitude), CoordinateText(r.longitude));
        if (parts.isEmpty()) return position.toStdString();
        //: a calendar's place: its names, then its latitude and longitude
        return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1 (%2)"))
            .arg(parts.join(Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", ", "))), position)
            .toStdString();
    }
    std::string calendarName(const std::string* place) const override {
        //: the calendar's name in a calendar program's list
        if (!place)
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Choghadiya")).toStdString();
        return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "Choghadiya at %1"))
            .arg(QString::fromStdString(*place))
            .toStdString();
    }
    std::string coverage(bool every, bool clearOnly, int days, const Date* first,
                         const Date* last) const override {
        const QString from = first ? QString::fromStdString(IsoDate(*first)) : QString();
        const QString to = last ? QString::fromStdString(IsoDate(*last)) : QString();
        QString text;
        if (days == 1 && first) {
            text = every ? Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                                "Choghadiya periods of 1 day, %1"))
                               .arg(from)
                         : Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                                "Favorable Choghadiya periods of 1 day, %1"))
                               .arg(from);
        } else if (days > 1 && first && last) {
            text = every
                       ? Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                              "Choghadiya periods of %1 days, %2 to %3"))
                             .arg(days)
                             .arg(from, to)
                       : Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                              "Favorable Choghadiya periods of %1 days, %2 to %3"))
                             .arg(days)
                             .arg(from, to);
        } else {
            text = every ? Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                                "Choghadiya periods of %1 days"))
                               .arg(days)
                         : Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar",
                                                "Favorable Choghadiya periods of %1 days"))
                               .arg(days);
        }
        if (clearOnly) {
            //: what a calendar of only the periods without an almanac mark covers
            text = Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1, without an almanac mark"))
                       .arg(text);
        }
        return text.toStdString();
    }
    std::string summary(const Period& p) const override {
        //: an event's title: the period's name and its verdict
        return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1: %2"))
            .arg(PeriodText(p.name), VerdictWordText(p.verdict))
            .toStdString();
    }
    std::string description(const Period& p, Marks marks, const std::string& place,
                            bool afterMidnight, bool beforeMidnight) const override {
        static constexpr const char* kOrdinals[kPeriodsPerSpan] = {
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "1st"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "2nd"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "3rd"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "4th"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "5th"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "6th"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "7th"),
            QT_TRANSLATE_NOOP("velnora::AddToCalendar", "8th")};
        const QString verdict =
            p.verdict == Verdict::Favorable
                ? Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "a favorable"))
            : p.verdict == Verdict::Intermediate
                ? Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "an intermediate"))
                : Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "an unfavorable"));
        const QString ordinal = Tr(kOrdinals[static_cast<std::size_t>(p.number - 1) % 8]);
        QString text =
            (p.night ? Tr(QT_TRANSLATE_NOOP(
                           "velnora::AddToCalendar",
                           "%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the "
                           "night, from sunset to the next sunrise"))
                     : Tr(QT_TRANSLATE_NOOP(
                           "velnora::AddToCalendar",
                           "%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the "
                           "day, from sunrise to sunset")))
                .arg(PeriodText(p.name), verdict, QString::fromStdString(place), ordinal);
        if (afterMidnight)
            text = Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1; its part after midnight"))
                       .arg(text);
        if (beforeMidnight)
            text = Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1; its part before midnight"))
                       .arg(text);
        //: ends an event's description
        text = Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1.")).arg(text);
        if (!marks.Empty()) {
            text = Tr(QT_TRANSLATE_NOOP(
                          "velnora::AddToCalendar",
                          "%1 The almanac marks it as %2, in which no auspicious work is begun."))
                       .arg(text, MarksText(marks));
        }
        return text.toStdString();
    }
    std::string reminder(const Period& p, int minutes) const override {
        const QString name = PeriodText(p.name), verdict = VerdictWordText(p.verdict);
        if (minutes == 0)
            return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1 (%2) begins now"))
                .arg(name, verdict)
                .toStdString();
        return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1 (%2) begins in %3 minutes"))
            .arg(name, verdict)
            .arg(minutes)
            .toStdString();
    }
};

}  // namespace

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
    const CalendarTr words;
    CalendarRequest request{words, days, false, {}, clock.now()};
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
