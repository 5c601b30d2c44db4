// SPDX-License-Identifier: GPL-3.0-or-later
// The printed periods: a day on one page, or a month as one page per week from
// Sunday to Saturday, painted on a paged device (a printer or a PDF) from the
// same day listings the periods window shows. Lengths are in points and
// millimetres, never in the device's dots, so a page looks the same at any
// resolution. The words come from the windows' translations: names, verdicts,
// dates and times through `PageWords`, the pages' own headings through the
// translation tables.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/almanac.h"
#include "planning/listing.h"

class QPagedPaintDevice;

namespace velnora {

enum class PrintRange { Day, Month };

// What the user asked to print.
struct PrintChoice {
    PrintRange range = PrintRange::Day;
    bool horas = false;  // the 24 horas of the day and the night, on the day's page
};

// The words of the windows for the values the pages show.
struct PageWords {
    std::function<QString(std::optional<Choghadiya>)> period;
    std::function<QString(Verdict)> verdict;  // the word alone: "favorable"
    std::function<QString(const ClockTime&)> clock;
    std::function<QString(const Date&)> date;
    std::function<QString(const Angle&)> coordinate;
    std::function<QString(Mark)> mark;    // "Rahu Kaal"
    std::function<QString(Marks)> marks;  // the marks a period carries, listed
    std::function<QString(Planet)> planet;
    // The line where the night reaches the midnight that begins `date`.
    std::function<QString(const Date&)> midnight;
};

// What is printed: the form's place and time of work, and the listed dates.
struct PrintJob {
    Plan plan;
    PrintChoice choice;
    Date shown;                      // the date the periods window shows
    std::vector<DayListing> days;    // that date, or every listed date of its month
    std::optional<Evaluation> work;  // the time of work on the shown date, when it has one
    // The night before the shown date when the time of work lies in it, as the
    // window lists it first, and the zone its times are in.
    std::vector<Period> nightBefore;
    ZoneOffset nightBeforeZone;
    WallReading wall;  // every time as the clock the window follows shows it; empty: as listed
};

// The day listings of `choice` for `shown`, as the periods window lists them,
// their times as `wall` shows them.
PrintJob MakePrintJob(const Plan& plan, const Date& shown, const PrintChoice& choice,
                      const WallReading& wall = {});

// The locale's paper (Letter in the United States and Canada, A4 elsewhere):
// a day upright, a month's weeks on their side.
QPageLayout PageLayoutFor(PrintRange range);

// The number of pages `job` takes: one for a day, one per week of the month.
int PageCount(const PrintJob& job);

// The verdict's colour on the screen and the page, light enough for black text;
// a favorable period that carries a mark has a colour of its own.
QColor VerdictColour(Verdict verdict, bool marked = false);

// A text that needs more room than it was given on the page, in points.
struct PageOverflow {
    int page = 0;  // from 1
    QString text;
    QRectF room;
    QSizeF needed;
};

// Paints every page of `job` on `device` in its page layout, and returns the
// texts that did not fit even at the smallest size (none when all is well).
std::vector<PageOverflow> PaintPages(QPagedPaintDevice& device, const PrintJob& job,
                                     const PageWords& words);

// The whole PDF of `job`, its fonts embedded.
QByteArray PdfOf(const PrintJob& job, const PageWords& words);

}  // namespace velnora
