// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/result_texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QTime>

namespace velnora {

namespace {

constexpr const char* kMonths[kMonthsInList] = {
    QT_TRANSLATE_NOOP("Months", "January"),   QT_TRANSLATE_NOOP("Months", "February"),
    QT_TRANSLATE_NOOP("Months", "March"),     QT_TRANSLATE_NOOP("Months", "April"),
    QT_TRANSLATE_NOOP("Months", "May"),       QT_TRANSLATE_NOOP("Months", "June"),
    QT_TRANSLATE_NOOP("Months", "July"),      QT_TRANSLATE_NOOP("Months", "August"),
    QT_TRANSLATE_NOOP("Months", "September"), QT_TRANSLATE_NOOP("Months", "October"),
    QT_TRANSLATE_NOOP("Months", "November"),  QT_TRANSLATE_NOOP("Months", "December"),
};

// In the order of Choghadiya.
constexpr const char* kPeriods[kChoghadiyaCount] = {
    QT_TRANSLATE_NOOP("Periods", "Amrut"),
    QT_TRANSLATE_NOOP("Periods", "Shubh"),
    QT_TRANSLATE_NOOP("Periods", "Labh"),
    //: Name of a Choghadiya period (the moving, intermediate one), not "walk"
    QT_TRANSLATE_NOOP("Periods", "Chal"),
    QT_TRANSLATE_NOOP("Periods", "Udveg"),
    QT_TRANSLATE_NOOP("Periods", "Rog"),
    //: Name of a Choghadiya period (the inauspicious one of death), not "tomorrow" or "time"
    QT_TRANSLATE_NOOP("Periods", "Kal"),
};

// In the order of Verdict.
constexpr const char* kVerdicts[] = {
    QT_TRANSLATE_NOOP("Verdicts", "Time period for work can be favorable."),
    QT_TRANSLATE_NOOP("Verdicts", "Time period for work can be intermediate."),
    QT_TRANSLATE_NOOP("Verdicts", "Time period for work can be unfavorable."),
};

// The verdict alone, in the order of Verdict.
constexpr const char* kVerdictWords[] = {
    //: The verdict of a Choghadiya period, shown beside its name in a list
    QT_TRANSLATE_NOOP("Verdicts", "favorable"),
    //: The verdict of a Choghadiya period, shown beside its name in a list
    QT_TRANSLATE_NOOP("Verdicts", "intermediate"),
    //: The verdict of a Choghadiya period, shown beside its name in a list
    QT_TRANSLATE_NOOP("Verdicts", "unfavorable"),
};

// In the order of Mark: the almanac's names for parts in which no auspicious work
// is begun.
constexpr const char* kMarks[kMarkCount] = {
    //: Almanac mark on one of the day's eight parts (the weekday's own bad part)
    QT_TRANSLATE_NOOP("Marks", "Vaar Vela"),
    //: Almanac mark on a part of the day ruled by Saturn
    QT_TRANSLATE_NOOP("Marks", "Kaal Vela"),
    //: Almanac mark on a part of the night ruled by Saturn
    QT_TRANSLATE_NOOP("Marks", "Kaal Ratri"),
    //: Almanac mark: the part of the day ruled by Rahu
    QT_TRANSLATE_NOOP("Marks", "Rahu Kaal"),
    //: Almanac mark: the part of the day called Yamaganda
    QT_TRANSLATE_NOOP("Marks", "Yamaganda"),
    //: Almanac mark: the part of the day ruled by Gulika
    QT_TRANSLATE_NOOP("Marks", "Gulika Kaal"),
};

// In the order of Planet.
constexpr const char* kPlanets[kPlanetCount] = {
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Sun"),
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Moon"),
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Mars"),
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Mercury"),
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Jupiter"),
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Venus"),
    //: The planet ruling a hora
    QT_TRANSLATE_NOOP("Planets", "Saturn"),
};

// In the order of Hemisphere.
constexpr const char* kHemispheres[] = {
    //: Latitude north of the equator
    QT_TRANSLATE_NOOP("Coordinates", "N"),
    //: Latitude south of the equator
    QT_TRANSLATE_NOOP("Coordinates", "S"),
    //: Longitude east of Greenwich
    QT_TRANSLATE_NOOP("Coordinates", "E"),
    //: Longitude west of Greenwich
    QT_TRANSLATE_NOOP("Coordinates", "W"),
};

// English and the "C" locale, which has no forms of its own, keep the United
// States English texts.
bool UsesUsForms(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// Drops the time-zone fields ("t", "tt", ...) from a time format, leaving quoted
// literal text alone, and tidies the blanks around where they stood.
QString WithoutTimeZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        kept += c;
    }
    return kept.simplified();
}

// A two-digit year cannot tell 1924 from 2024 in a date list that runs from
// 1901 to 2050, so a short year is written in full.
QString WithFullYear(const QString& format) {
    if (format.contains(QLatin1String("yyyy"))) return format;
    QString full = format;
    full.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return full;
}

QString LocaleDate(const QLocale& locale, const Date& d) {
    return locale.toString(QDate(d.year, d.month, d.day),
                           WithFullYear(locale.dateFormat(QLocale::ShortFormat)));
}

}  // namespace

QString MonthText(int month) {
    if (month < 1 || month > kMonthsInList) return {};
    return QCoreApplication::translate("Months", kMonths[month - 1]);
}

QString PeriodText(std::optional<Choghadiya> name) {
    if (!name) return {};
    return QCoreApplication::translate("Periods", kPeriods[static_cast<int>(*name)]);
}

QString VerdictText(Verdict verdict) {
    return QCoreApplication::translate("Verdicts", kVerdicts[static_cast<int>(verdict)]);
}

QString VerdictWordText(Verdict verdict) {
    return QCoreApplication::translate("Verdicts", kVerdictWords[static_cast<int>(verdict)]);
}

QString MarkText(Mark mark) {
    return QCoreApplication::translate("Marks", kMarks[static_cast<int>(mark)]);
}

QString MarksText(Marks marks) {
    QStringList names;
    for (const Mark mark : kAllMarks) {
        if (marks.Has(mark)) names << MarkText(mark);
    }
    return names.join(QStringLiteral(", "));
}

QString PlanetText(Planet planet) {
    return QCoreApplication::translate("Planets", kPlanets[static_cast<int>(planet)]);
}

QString ClockText(const ClockTime& t) {
    const QLocale locale;
    if (UsesUsForms(locale)) {
        // "6:58:00 AM"
        const int hour = t.hour % 12 == 0 ? 12 : t.hour % 12;
        return QStringLiteral("%1:%2:%3 %4")
            .arg(hour)
            .arg(t.minute, 2, 10, QLatin1Char('0'))
            .arg(t.second, 2, 10, QLatin1Char('0'))
            .arg(t.hour < 12 ? QLatin1String("AM") : QLatin1String("PM"));
    }
    return locale.toString(QTime(t.hour, t.minute, t.second),
                           WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString SunTimeText(const LocalDateTime& value) {
    const QLocale locale;
    const Date d = value.date();
    const ClockTime t = value.time();
    // "3/5/2024 6:12:00 AM" in United States English, the general date form
    QString date = UsesUsForms(locale)
                       ? QStringLiteral("%1/%2/%3").arg(d.month).arg(d.day).arg(d.year)
                       : LocaleDate(locale, d);
    if (t == ClockTime{}) return date;
    return date + u' ' + ClockText(t);
}

QString DateOfWorkText(const Date& d) {
    const QLocale locale;
    if (!UsesUsForms(locale)) return LocaleDate(locale, d);
    return MonthText(d.month) + QStringLiteral("/%1/%2").arg(d.day).arg(d.year);
}

QString TimeOfWorkText(const ClockTime& t) {
    const QLocale locale;
    if (!UsesUsForms(locale)) {
        return locale.toString(QTime(t.hour, t.minute), locale.timeFormat(QLocale::ShortFormat));
    }
    return QStringLiteral("%1:%2").arg(t.hour).arg(t.minute);
}

QString CoordinateText(const Angle& c) {
    const QString hemisphere =
        QCoreApplication::translate("Coordinates", kHemispheres[static_cast<int>(c.hemisphere)]);
    return QStringLiteral("%1\u00B0 %2' ").arg(c.degrees).arg(c.minutes) + hemisphere;
}

std::array<QString, kResultLabels.size()> ResultTexts(const EvaluationResult& r) {
    return {QString::fromStdString(r.name),
            DateOfWorkText(r.dateOfWork),
            TimeOfWorkText(r.timeOfWork),
            CoordinateText(r.latitude),
            CoordinateText(r.longitude),
            QString::fromStdString(r.city),
            QString::fromStdString(r.state),
            QString::fromStdString(r.country),
            SunTimeText(r.previousDaySunRise),
            SunTimeText(r.previousDaySunSet),
            SunTimeText(r.inputDaySunRise),
            SunTimeText(r.inputDaySunSet),
            SunTimeText(r.nextDaySunRise),
            SunTimeText(r.nextDaySunSet),
            VerdictText(r.verdict),
            PeriodText(r.period)};
}

}  // namespace velnora
