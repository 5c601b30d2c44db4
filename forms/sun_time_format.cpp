// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/sun_time_format.h"

#include <QDate>
#include <QTime>

namespace velnora {

namespace {

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

}  // namespace

std::string FormatGeneralDate(const QLocale& locale, const LocalDateTime& value) {
    if (locale.language() == QLocale::C) return FormatUsGeneralDate(value);
    const Date d = value.date();
    const ClockTime t = value.time();
    const QString date = locale.toString(QDate(d.year, d.month, d.day),
                                         WithFullYear(locale.dateFormat(QLocale::ShortFormat)));
    if (t == ClockTime{}) return date.toStdString();
    const QString time = locale.toString(QTime(t.hour, t.minute, t.second),
                                         WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
    return (date + u' ' + time).toStdString();
}

DateTimeFormatter LocaleDateTimeFormatter(const QLocale& locale) {
    return [locale](const LocalDateTime& value) { return FormatGeneralDate(locale, value); };
}

}  // namespace velnora
