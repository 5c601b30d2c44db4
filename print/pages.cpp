// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pages.h"

#include <QBuffer>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "print/sheet.h"
#include "ui/program.h"

namespace velnora {

namespace {

constexpr double kMarginMm = 12.0;

}  // namespace

QColor VerdictColour(Verdict verdict, bool marked) {
    // A favorable period an almanac mark spoils, whatever its name says; the
    // marks' words or signs stand beside it.
    if (marked && verdict == Verdict::Favorable) return {255, 214, 153};
    switch (verdict) {
        case Verdict::Favorable:
            return {198, 239, 206};
        case Verdict::Intermediate:
            return {255, 235, 156};
        case Verdict::Unfavorable:
            break;
    }
    return {255, 199, 206};
}

PrintJob MakePrintJob(const Plan& plan, const Date& shown, const PrintChoice& choice,
                      const WallReading& wall) {
    PrintJob job{plan, choice, shown, {}, {}, {}, {}, wall};
    const Plan dated = plan.On(shown);
    const Outcome outcome = EvaluateWork(dated);
    if (const auto* work = std::get_if<Evaluation>(&outcome)) job.work = *work;
    if (choice.range == PrintRange::Day) {
        const Date before = AddDays(shown, -1);
        if (job.work && job.work->span == SpanKind::NightBeforeSunrise && IsListedDate(before)) {
            const DayListing night = ListDay(plan, before);
            if (!night.failure && !night.skipped) {
                job.nightBefore = night.night;
                job.nightBeforeZone = night.evaluation.zone();
            }
        }
        if (job.work && job.nightBefore.empty()) {
            job.nightBefore = UnlistedNightBefore(dated, *job.work);
            job.nightBeforeZone = job.work->zone();
        }
        job.days.push_back(ListDay(plan, shown));
    } else {
        const Date first{shown.year, shown.month, 1};
        job.days = ListDays(plan.On(first), DaysInMonth(shown.year, shown.month));
    }
    return job;
}

QPageLayout PageLayoutFor(PrintRange range) {
    const QPageSize size(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                             ? QPageSize::Letter
                             : QPageSize::A4);
    return {size, range == PrintRange::Day ? QPageLayout::Portrait : QPageLayout::Landscape,
            QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter};
}

int PageCount(const PrintJob& job) {
    return job.choice.range == PrintRange::Day ? 1 : WeeksOfMonth(job.shown);
}

std::vector<PageOverflow> PaintPages(QPagedPaintDevice& device, const PrintJob& job,
                                     const PageWords& words) {
    std::vector<PageOverflow> overflows;
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    Sheet sheet(painter, device, overflows);
    const int pages = PageCount(job);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) device.newPage();
        sheet.setPage(page);
        if (job.choice.range == PrintRange::Day) {
            if (!job.days.empty()) PaintDay(sheet, job, words);
        } else {
            PaintWeek(sheet, job, words,
                      AddDays(FirstSunday(job.shown), (page - 1) * kDaysPerWeek));
        }
        Footer(sheet, page, pages);
    }
    return overflows;
}

QByteArray PdfOf(const PrintJob& job, const PageWords& words) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QString::fromLatin1(kProgramCaption));
        pdf.setPageLayout(PageLayoutFor(job.choice.range));
        PaintPages(pdf, job, words);
    }
    return bytes;
}

}  // namespace velnora
