// SPDX-License-Identifier: GPL-3.0-or-later
// The day's page: the periods as the window lists them, Abhijit Muhurat and,
// when asked, the 24 horas.
#include <QLocale>
#include <algorithm>
#include <array>

#include "planning/almanac.h"
#include "print/sheet.h"

namespace velnora {

namespace {

constexpr double kHoraRow = 12;

QString PartText(const Period& p, bool nightBefore) {
    if (nightBefore) return Pages::tr("Night before %1").arg(p.number);
    return p.night ? Pages::tr("Night %1").arg(p.number) : Pages::tr("Day %1").arg(p.number);
}

QString SunText(const PrintJob& job, const DayListing& d, const PageWords& words) {
    if (d.failure || d.skipped) return Pages::tr("No sunrise or sunset");
    const ZoneOffset zone = d.evaluation.zone();
    return Pages::tr("Sunrise %1, sunset %2")
        .arg(TimeText(job, words, d.evaluation.result.inputDaySunRise, zone),
             TimeText(job, words, d.evaluation.result.inputDaySunSet, zone));
}

struct Row {
    const Period* period;  // none: the row that marks the midnight that begins `listed`
    Date listed;           // the date whose listing holds it
    bool nightBefore;
    ZoneOffset zone;  // the zone its times are in
};

// The table's rows as the window lists them: the night before when the time of
// work lies in it, the day and the night, and a row where midnight changes the
// weekday that names the periods.
std::vector<Row> RowsOf(const PrintJob& job, const DayListing& day) {
    std::vector<Row> rows;
    const auto add = [&rows](const Period& p, const Date& listed, bool nightBefore,
                             const ZoneOffset& zone) {
        if (!rows.empty() && rows.back().period->weekday != p.weekday) {
            rows.push_back({nullptr, AddDays(listed, 1), false, zone});
        }
        rows.push_back({&p, listed, nightBefore, zone});
    };
    for (const Period& p : job.nightBefore) {
        add(p, AddDays(day.date, -1), true, job.nightBeforeZone);
    }
    if (!day.failure && !day.skipped) {
        for (const Period& p : day.day) add(p, day.date, false, day.evaluation.zone());
        for (const Period& p : day.night) add(p, day.date, false, day.evaluation.zone());
    }
    return rows;
}

// The periods' table from `y`, rows of `rowHeight`; returns where it ends.
double PaintPeriods(Sheet& sheet, const PrintJob& job, const PageWords& words,
                    const std::vector<Row>& rows, double y, double rowHeight) {
    const double w = sheet.size().width();
    // Period, start, end, name, verdict, marks and the time of work: shares of the width.
    constexpr std::array<double, 6> kShares = {0.14, 0.15, 0.15, 0.13, 0.15, 0.28};
    const auto cells = [&](const std::array<QString, 6>& texts, bool bold,
                           const QColor& verdictColour) {
        double x = 0;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QRectF box(x, y, w * kShares[c], rowHeight);
            sheet.cell(box, texts[c], PageFont(9, bold), c == 4 ? verdictColour : QColor(),
                       Qt::AlignLeft, {3, 1}, c == texts.size() - 1);
            x += box.width();
        }
        y += rowHeight;
    };
    cells({Pages::tr("Period"), Pages::tr("Start"), Pages::tr("End"), Pages::tr("Choghadiya"),
           Pages::tr("Verdict"), Pages::tr("Note")},
          true, kHeadShade);
    for (const Row& row : rows) {
        if (!row.period) {
            sheet.cell({0, y, w, rowHeight}, words.midnight(row.listed), PageFont(9, true),
                       kHeadShade, Qt::AlignHCenter);
            y += rowHeight;
            continue;
        }
        const Period& p = *row.period;
        const bool holds =
            job.work &&
            HoldsTimeOfWork(*job.work, p, ZoneSeconds(job.work->zone()) - ZoneSeconds(row.zone));
        QStringList note;
        const Marks marks = MarksOfPeriod(p, row.listed);
        if (!marks.Empty()) note << words.marks(marks);
        if (holds) note << Pages::tr("Time of work");
        cells({PartText(p, row.nightBefore), TimeText(job, words, p.start, row.zone),
               TimeText(job, words, p.end, row.zone), words.period(p.name),
               words.verdict(p.verdict), note.join(QStringLiteral("; "))},
              holds, VerdictColour(p.verdict, !marks.Empty()));
    }
    return y;
}

// The horas' two tables from `y`: the day's twelve on the left, the night's on
// the right.
void PaintHoras(Sheet& sheet, const PrintJob& job, const PageWords& words,
                const std::vector<Hora>& horas, const ZoneOffset& zone, double y) {
    const double w = sheet.size().width();
    sheet.text({0, y, w, 16}, Pages::tr("Horas"), PageFont(10, true));
    y += 18;
    constexpr std::array<double, 5> kShares = {0.14, 0.22, 0.22, 0.19, 0.23};
    const double half = (w - 8) / 2;
    const auto row = [&](double left, double top, const std::array<QString, 5>& texts, bool bold,
                         const QColor& colour) {
        double x = left;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QRectF box(x, top, half * kShares[c], kHoraRow);
            sheet.cell(box, texts[c], PageFont(8, bold), c == 4 || bold ? colour : QColor(),
                       Qt::AlignLeft, {2, 0.5});
            x += box.width();
        }
    };
    for (const double left : {0.0, half + 8}) {
        row(left, y,
            {Pages::tr("Hora"), Pages::tr("Start"), Pages::tr("End"), Pages::tr("Lord"),
             Pages::tr("Verdict")},
            true, kHeadShade);
    }
    for (const Hora& h : horas) {
        const bool night = h.number > kHorasPerSpan;
        const int number = (h.number - 1) % kHorasPerSpan + 1;
        const Verdict verdict = h.favorable ? Verdict::Favorable : Verdict::Unfavorable;
        row(night ? half + 8 : 0, y + number * kHoraRow,
            {QString::number(h.number), TimeText(job, words, h.start, zone),
             TimeText(job, words, h.end, zone), words.planet(h.lord), words.verdict(verdict)},
            false, VerdictColour(verdict));
    }
}

}  // namespace

void PaintDay(Sheet& sheet, const PrintJob& job, const PageWords& words) {
    const DayListing& day = job.days.front();
    const double w = sheet.size().width();
    double y = HeadingLines(sheet, WeekdayAndDate(day.date, words), HeadingOf(job, words));
    sheet.text({0, y, w, 16}, SunText(job, day, words), PageFont(10, true));
    y += 22;

    const std::vector<Row> rows = RowsOf(job, day);
    const DayAlmanac almanac = AlmanacOf(day);
    const bool horas = job.choice.horas && !almanac.horas.empty();
    // Room below the table: Abhijit's line, the horas' two tables of twelve, the footer.
    const double below = 20 + (horas ? 18 + (kHorasPerSpan + 1) * kHoraRow : 0) + 16;
    const double rowHeight =
        std::min(17.0, (sheet.size().height() - below - y) / static_cast<double>(rows.size() + 1));
    y = PaintPeriods(sheet, job, words, rows, y, rowHeight);
    if (day.failure || day.skipped) {
        sheet.text({0, y + 4, w, 16}, Pages::tr("No sunrise or sunset"), PageFont(10));
        return;
    }

    y += 4;
    const ZoneOffset zone = day.evaluation.zone();
    const QString abhijit = almanac.abhijit
                                ? Pages::tr("Abhijit Muhurat: %1 to %2")
                                      .arg(TimeText(job, words, almanac.abhijit->start, zone),
                                           TimeText(job, words, almanac.abhijit->end, zone))
                                : Pages::tr("Abhijit Muhurat: none on Wednesday");
    sheet.text({0, y, w, 16}, abhijit, PageFont(10, true));
    y += 20;
    if (horas) PaintHoras(sheet, job, words, almanac.horas, zone, y);
}

}  // namespace velnora
