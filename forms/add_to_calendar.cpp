// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/add_to_calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <string>
#include <vector>

#include "forms/result_texts.h"
#include "planning/calendar.h"
#include "planning/listing.h"
#include "planning/replace_file.h"

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
    std::string coverage(bool every, int days, const Date* first, const Date* last) const override {
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
        return text.toStdString();
    }
    std::string summary(const Period& p) const override {
        //: an event's title: the period's name and its verdict
        return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1: %2"))
            .arg(PeriodText(p.name), VerdictWordText(p.verdict))
            .toStdString();
    }
    std::string description(const Period& p, const std::string& place, bool afterMidnight,
                            bool beforeMidnight) const override {
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
        return Tr(QT_TRANSLATE_NOOP("velnora::AddToCalendar", "%1.")).arg(text).toStdString();
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

std::optional<int> AddToCalendar(QWidget* parent, const FormValues& form, const Clock& clock,
                                 CalendarDialogs& dialogs, MessageBoxes& boxes) {
    const std::optional<int> asked = dialogs.askDays(parent, kMaxListedDays);
    if (!asked) return std::nullopt;
    const int count = std::clamp(*asked, 1, kMaxListedDays);
    const QString path = dialogs.askFile(parent);
    if (path.isEmpty()) return std::nullopt;

    const auto read = ReadForm(form);
    if (!std::holds_alternative<EvaluationInput>(read)) return std::nullopt;  // Proceed refused it
    const std::vector<DayListing> days = ListDays({std::get<EvaluationInput>(read), {}}, count);
    const CalendarTr words;
    const CalendarRequest request{words, days, false, {}, clock.now()};
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
               QCoreApplication::translate("velnora::AddToCalendar",
                                           "%1 favorable periods of %2 days were written to %3.")
                   .arg(events)
                   .arg(days.size())
                   .arg(shown),
               Icon::Information);
    return events;
}

}  // namespace velnora
