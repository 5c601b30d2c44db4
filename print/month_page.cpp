// SPDX-License-Identifier: GPL-3.0-or-later
// The month's pages: a week on each, the dates by column and the sixteen
// periods by row, with a legend of the colours and signs.
#include <QLocale>
#include <array>
#include <vector>

#include "planning/almanac.h"
#include "print/sheet.h"

namespace velnora {

namespace {

// The verdict's sign beside the name in a week's cells, for a page printed in
// black and white.
QString VerdictSign(Verdict verdict) {
    switch (verdict) {
        case Verdict::Favorable:
            return QStringLiteral("+");
        case Verdict::Intermediate:
            return QStringLiteral("~");
        case Verdict::Unfavorable:
            break;
    }
    return QStringLiteral("\u2212");
}

// A mark's sign in a week's cells, explained at the page's foot: ① to ⑥.
QString MarkSign(std::size_t index) { return QChar(static_cast<char16_t>(0x2460 + index)); }

QString MarkSigns(const Marks& marks) {
    QString signs;
    for (std::size_t i = 0; i < kAllMarks.size(); ++i) {
        if (marks.Has(kAllMarks[i])) signs += MarkSign(i);
    }
    return signs.isEmpty() ? signs : u' ' + signs;
}

// The dates of the week that starts on `sunday`, by column; absent outside the
// month or where nothing is listed.
std::array<const DayListing*, kDaysPerWeek> WeekColumns(const PrintJob& job, const Date& sunday) {
    std::array<const DayListing*, kDaysPerWeek> columns{};
    for (const DayListing& d : job.days) {
        const std::int64_t column = DaysFromCivil(d.date) - DaysFromCivil(sunday);
        if (column >= 0 && column < kDaysPerWeek) columns[static_cast<std::size_t>(column)] = &d;
    }
    return columns;
}

// The heads of the week's columns: the date, the weekday, sunrise and sunset.
void PaintWeekHeads(Sheet& sheet, const PrintJob& job, const PageWords& words,
                    const std::array<const DayListing*, kDaysPerWeek>& columns,
                    const QRectF& first) {
    for (int c = 0; c < kDaysPerWeek; ++c) {
        const QRectF box = first.translated(c * first.width(), 0);
        sheet.fill(box, kHeadShade);
        sheet.frame(box);
        const DayListing* d = columns[static_cast<std::size_t>(c)];
        if (!d) continue;
        sheet.setTextColour();
        const QRectF inner = box.adjusted(2, 1, -2, -1);
        const double line = inner.height() / 4;
        const auto lines = [&](int from, int count) {
            return QRectF(inner.left(), inner.top() + from * line, inner.width(), count * line);
        };
        sheet.text(lines(0, 1), words.date(d->date), PageFont(8, true), Qt::AlignHCenter);
        sheet.text(lines(1, 1), QLocale().dayName(ToQDate(d->date).dayOfWeek()), PageFont(8, true),
                   Qt::AlignHCenter);
        if (d->failure || d->skipped) {
            sheet.text(lines(2, 2), Pages::tr("No sunrise or sunset"), PageFont(7),
                       Qt::AlignHCenter, true);
            continue;
        }
        const ZoneOffset zone = d->evaluation.zone();
        sheet.text(lines(2, 1),
                   Pages::tr("Sunrise %1")
                       .arg(TimeText(job, words, d->evaluation.result.inputDaySunRise, zone)),
                   PageFont(7), Qt::AlignHCenter);
        sheet.text(lines(3, 1),
                   Pages::tr("Sunset %1")
                       .arg(TimeText(job, words, d->evaluation.result.inputDaySunSet, zone)),
                   PageFont(7), Qt::AlignHCenter);
    }
}

// One date's cell of a period's row: its start time above the name with the
// verdict's sign; a period split at midnight gives each part a line of its own,
// time and name.
void PaintWeekCell(Sheet& sheet, const PrintJob& job, const PageWords& words, const DayListing* d,
                   bool night, int number, const QRectF& box) {
    std::vector<const Period*> entries;
    if (d && !d->failure && !d->skipped) {
        if (!night) {
            entries.push_back(&d->day[static_cast<std::size_t>(number - 1)]);
        } else {
            for (const Period& p : d->night) {
                if (p.number == number) entries.push_back(&p);
            }
        }
    }
    if (entries.empty()) {
        sheet.frame(box);
        return;
    }
    const double part = box.height() / static_cast<double>(entries.size());
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const Period& p = *entries[e];
        const bool holds =
            job.work && d->date == job.shown &&
            HoldsTimeOfWork(*job.work, p,
                            ZoneSeconds(job.work->zone()) - ZoneSeconds(d->evaluation.zone()));
        const QRectF slot(box.left(), box.top() + e * part, box.width(), part);
        const Marks marks = MarksOfPeriod(p, d->date);
        sheet.fill(slot, VerdictColour(p.verdict, !marks.Empty()));
        const QString name =
            words.period(p.name) + u' ' + VerdictSign(p.verdict) + MarkSigns(marks);
        const QString start = TimeText(job, words, p.start, d->evaluation.zone());
        sheet.setTextColour();
        sheet.text(slot.adjusted(2, 0.5, -2, -0.5),
                   entries.size() == 1 ? start + u'\n' + name : start + u' ' + name,
                   PageFont(7, holds), Qt::AlignLeft);
        if (holds) sheet.frame(slot.adjusted(1, 1, -1, -1), 1.5);
    }
    sheet.frame(box);
}

// The legend at `top`: what the signs and colours say.
void PaintLegend(Sheet& sheet, const PageWords& words, double top) {
    const double w = sheet.size().width();
    const double share = w / 5;
    const std::array<Verdict, 3> verdicts = {Verdict::Favorable, Verdict::Intermediate,
                                             Verdict::Unfavorable};
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        sheet.cell({i * share, top, share - 4, 11},
                   VerdictSign(verdicts[i]) + u' ' + words.verdict(verdicts[i]), PageFont(7),
                   VerdictColour(verdicts[i]), Qt::AlignLeft, {2, 0});
    }
    sheet.cell({3 * share, top, share - 4, 11},
               Pages::tr("%1 %2 with a mark")
                   .arg(VerdictSign(Verdict::Favorable), words.verdict(Verdict::Favorable)),
               PageFont(7), VerdictColour(Verdict::Favorable, true), Qt::AlignLeft, {2, 0});
    const QRectF work(4 * share, top, share, 11);
    sheet.frame(work.adjusted(0, 0, -share * 0.8, 0), 1.5);
    sheet.text(work.adjusted(share * 0.2 + 3, 0, 0, 0), Pages::tr("Time of work"), PageFont(7));
    const double markShare = w / static_cast<double>(kAllMarks.size());
    for (std::size_t i = 0; i < kAllMarks.size(); ++i) {
        sheet.text({i * markShare, top + 12, markShare - 4, 11},
                   MarkSign(i) + u' ' + words.mark(kAllMarks[i]), PageFont(7));
    }
}

}  // namespace

Date FirstSunday(const Date& shown) {
    const Date first{shown.year, shown.month, 1};
    return AddDays(first, Sunday - WeekdayOf(first));
}

int WeeksOfMonth(const Date& shown) {
    const Date first = FirstSunday(shown);
    const Date last{shown.year, shown.month, DaysInMonth(shown.year, shown.month)};
    return static_cast<int>((DaysFromCivil(last) - DaysFromCivil(first)) / kDaysPerWeek) + 1;
}

void PaintWeek(Sheet& sheet, const PrintJob& job, const PageWords& words, const Date& sunday) {
    const double w = sheet.size().width();
    const QString title = Pages::tr("Choghadiya, %1 to %2")
                              .arg(WeekdayAndDate(sunday, words),
                                   WeekdayAndDate(AddDays(sunday, kDaysPerWeek - 1), words));
    double y = HeadingLines(sheet, title, HeadingOf(job, words));
    y += 4;

    const auto columns = WeekColumns(job, sunday);
    const double labelWidth = w * 0.1;
    const double columnWidth = (w - labelWidth) / kDaysPerWeek;
    const double headHeight = 44;
    const double legendHeight = 26;
    const double footer = 16;
    const double rowHeight = (sheet.size().height() - footer - legendHeight - y - headHeight) / 16;

    PaintWeekHeads(sheet, job, words, columns, {labelWidth, y, columnWidth, headHeight});
    y += headHeight;
    for (int row = 0; row < 16; ++row) {
        const bool night = row >= kPeriodsPerSpan;
        const int number = row % kPeriodsPerSpan + 1;
        const double top = y + row * rowHeight;
        sheet.cell({0, top, labelWidth, rowHeight},
                   night ? Pages::tr("Night %1").arg(number) : Pages::tr("Day %1").arg(number),
                   PageFont(8, true), kHeadShade, Qt::AlignLeft, {2, 1});
        for (int c = 0; c < kDaysPerWeek; ++c) {
            PaintWeekCell(sheet, job, words, columns[static_cast<std::size_t>(c)], night, number,
                          {labelWidth + c * columnWidth, top, columnWidth, rowHeight});
        }
    }
    PaintLegend(sheet, words, y + 16 * rowHeight + 2);
}

}  // namespace velnora
