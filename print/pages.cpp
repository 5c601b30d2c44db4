// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>

#include "planning/almanac.h"
#include "ui/look.h"
#include "ui/program.h"

namespace velnora {

namespace {

// The pages' own words, in the translation tables under this context.
class Pages {
    Q_DECLARE_TR_FUNCTIONS(velnora::Pages)
};

constexpr double kMarginMm = 12.0;
constexpr double kSmallestPagePoints = 5.0;  // a text is shrunk no further
constexpr double kFooterPoints = 7.0;
constexpr double kGrid = 0.5;  // line width of the tables, points

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

// The text with a zero-width non-joiner after each virama of Devanagari and
// Gujarati: a PDF maps a conjunct's single glyph to no letters, so pdftotext and
// a reader's search would lose them; with the virama shown the letters stay
// their own glyphs and the words read back as written.
QString Unjoined(QString text) {
    for (qsizetype i = text.size() - 2; i >= 0; --i) {
        const char16_t c = text[i].unicode();
        if ((c == u'\u094D' || c == u'\u0ACD') && text[i + 1].isLetter()) {
            text.insert(i + 1, QChar(u'\u200C'));
        }
    }
    return text;
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

QDate ToQDate(const Date& d) { return {d.year, d.month, d.day}; }

// "UTC+05:30": the zone counts west of Greenwich as positive, the label east.
QString ZoneText(const ZoneOffset& zone) {
    const std::int64_t east = -ZoneSeconds(zone);
    const std::int64_t minutes = (east < 0 ? -east : east) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(east < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString PlaceText(const EvaluationInput& at) {
    QStringList parts;
    for (const std::string* part : {&at.city, &at.state, &at.country}) {
        const QString text = QString::fromStdString(*part).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    return parts.join(QStringLiteral(", "));
}

// The values every page heads with: where and in which zone.
struct Heading {
    QString place;
    QString position;  // latitude, longitude and zone
};

const EvaluationResult* AnyResult(const PrintJob& job) {
    if (job.work) return &job.work->result;
    for (const DayListing& d : job.days) {
        if (!d.failure && !d.skipped) return &d.evaluation.result;
    }
    return nullptr;
}

Heading HeadingOf(const PrintJob& job, const PageWords& words) {
    Heading h{PlaceText(job.plan.at), {}};
    if (const EvaluationResult* r = AnyResult(job)) {
        h.position = Pages::tr("Latitude %1, longitude %2, zone %3")
                         .arg(words.coordinate(r->latitude), words.coordinate(r->longitude),
                              ZoneText(r->zone));
    }
    return h;
}

QString WeekdayAndDate(const Date& d, const PageWords& words) {
    return Pages::tr("%1, %2").arg(QLocale().dayName(ToQDate(d).dayOfWeek()), words.date(d));
}

QString PartText(const Period& p, bool nightBefore) {
    if (nightBefore) return Pages::tr("Night before %1").arg(p.number);
    return p.night ? Pages::tr("Night %1").arg(p.number) : Pages::tr("Day %1").arg(p.number);
}

// One page being painted: lengths in points from the top left of the printable
// area, turned into the device's units here. Every text is fitted into its box:
// wrapped where it may be, then shrunk; one that still does not fit is reported.
class Sheet {
public:
    Sheet(QPainter& painter, const QPagedPaintDevice& device, std::vector<PageOverflow>& overflows)
        : painter_(painter),
          device_(device),
          unit_(device.logicalDpiY() / 72.0),
          size_(device.pageLayout().paintRect(QPageLayout::Point).size()),
          overflows_(overflows) {}

    QSizeF size() const { return size_; }
    void setPage(int page) { page_ = page; }

    // Draws `text` in `box` with `font` (its point size the largest wanted).
    void text(const QRectF& box, const QString& words, QFont font, int align = Qt::AlignLeft,
              bool wrap = false) {
        if (words.isEmpty()) return;
        const QString text = Unjoined(words);
        const QRectF room = device(box);
        const int flags = align | Qt::AlignVCenter | (wrap ? Qt::TextWordWrap : 0);
        QSizeF needed;
        for (double points = font.pointSizeF();; points -= 0.25) {
            font.setPointSizeF(points);
            needed = QFontMetricsF(font, &device_).boundingRect(room, flags, text).size();
            if ((needed.width() <= room.width() + 0.5 && needed.height() <= room.height() + 0.5) ||
                points - 0.25 < kSmallestPagePoints) {
                break;
            }
        }
        if (needed.width() > room.width() + 0.5 || needed.height() > room.height() + 0.5) {
            overflows_.push_back({page_, text, box, needed / unit_});
        }
        painter_.setFont(font);
        painter_.drawText(room, flags, text);
    }

    void fill(const QRectF& box, const QColor& colour) { painter_.fillRect(device(box), colour); }

    void frame(const QRectF& box, double width = kGrid) {
        painter_.setPen(QPen(Qt::black, width * unit_));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(device(box));
    }

    void line(QPointF from, QPointF to, double width = kGrid) {
        painter_.setPen(QPen(Qt::black, width * unit_));
        painter_.drawLine(from * unit_, to * unit_);
    }

    void setTextColour() { painter_.setPen(Qt::black); }

private:
    QRectF device(const QRectF& points) const {
        return {points.topLeft() * unit_, points.size() * unit_};
    }

    QPainter& painter_;
    const QPagedPaintDevice& device_;
    double unit_;
    QSizeF size_;
    std::vector<PageOverflow>& overflows_;
    int page_ = 1;
};

QFont PageFont(double points, bool bold = false) { return Verdana(points, bold); }

// Program name and version, and the page's number: the last 12 points of a page.
void Footer(Sheet& sheet, int page, int pages) {
    const QSizeF s = sheet.size();
    sheet.line({0, s.height() - 12}, {s.width(), s.height() - 12});
    const QRectF box(0, s.height() - 11, s.width(), 11);
    sheet.setTextColour();
    sheet.text(box, QString::fromLatin1(kProgramCaption), PageFont(kFooterPoints));
    sheet.text(box, Pages::tr("Page %1 of %2").arg(page).arg(pages), PageFont(kFooterPoints),
               Qt::AlignRight);
}

// The heading of every page; returns the height it took.
double HeadingLines(Sheet& sheet, const QString& title, const Heading& heading) {
    const double w = sheet.size().width();
    double y = 0;
    sheet.setTextColour();
    sheet.text({0, y, w, 22}, title, PageFont(15, true));
    y += 22;
    if (!heading.place.isEmpty()) {
        sheet.text({0, y, w, 30}, heading.place, PageFont(12, true), Qt::AlignLeft, true);
        y += 30;
    }
    if (!heading.position.isEmpty()) {
        sheet.text({0, y, w, 14}, heading.position, PageFont(9));
        y += 14;
    }
    return y;
}

QString SunText(const DayListing& d, const PageWords& words) {
    if (d.failure || d.skipped) return Pages::tr("No sunrise or sunset");
    return Pages::tr("Sunrise %1, sunset %2")
        .arg(words.clock(d.evaluation.result.inputDaySunRise.time()),
             words.clock(d.evaluation.result.inputDaySunSet.time()));
}

void PaintDay(Sheet& sheet, const PrintJob& job, const PageWords& words) {
    const DayListing& day = job.days.front();
    const double w = sheet.size().width();
    double y = HeadingLines(sheet, WeekdayAndDate(day.date, words), HeadingOf(job, words));
    sheet.text({0, y, w, 16}, SunText(day, words), PageFont(10, true));
    y += 22;

    struct Row {
        const Period* period;  // none: the row that marks the midnight that begins `listed`
        Date listed;           // the date whose listing holds it
        bool nightBefore;
    };
    std::vector<Row> rows;
    // A row marks midnight where the weekday that names the periods changes.
    const auto add = [&rows](const Period& p, const Date& listed, bool nightBefore) {
        if (!rows.empty() && rows.back().period->weekday != p.weekday) {
            rows.push_back({nullptr, AddDays(listed, 1), false});
        }
        rows.push_back({&p, listed, nightBefore});
    };
    for (const Period& p : job.nightBefore) add(p, AddDays(day.date, -1), true);
    const bool listed = !day.failure && !day.skipped;
    if (listed) {
        for (const Period& p : day.day) add(p, day.date, false);
        for (const Period& p : day.night) add(p, day.date, false);
    }
    const DayAlmanac almanac = AlmanacOf(day);
    const bool horas = job.choice.horas && !almanac.horas.empty();

    // Room below the table: Abhijit's line, the horas' two tables of twelve, the footer.
    constexpr double kHoraRow = 12;
    const double below = 20 + (horas ? 18 + (kHorasPerSpan + 1) * kHoraRow : 0) + 16;
    const double rowHeight =
        std::min(17.0, (sheet.size().height() - below - y) / static_cast<double>(rows.size() + 1));

    // Period, start, end, name, verdict, marks and the time of work: shares of the width.
    constexpr std::array<double, 6> kShares = {0.14, 0.15, 0.15, 0.13, 0.15, 0.28};
    const std::array<QString, 6> heads = {Pages::tr("Period"),  Pages::tr("Start"),
                                          Pages::tr("End"),     Pages::tr("Choghadiya"),
                                          Pages::tr("Verdict"), Pages::tr("Note")};
    auto cells = [&](double top, const std::array<QString, 6>& texts, bool bold,
                     const QColor& verdictColour) {
        double x = 0;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QRectF box(x, top, w * kShares[c], rowHeight);
            if (c == 4 && verdictColour.isValid()) sheet.fill(box, verdictColour);
            sheet.frame(box);
            sheet.setTextColour();
            sheet.text(box.adjusted(3, 1, -3, -1), texts[c], PageFont(9, bold), Qt::AlignLeft,
                       c == texts.size() - 1);
            x += box.width();
        }
    };
    cells(y, heads, true, QColor(225, 225, 225));
    y += rowHeight;
    for (const Row& row : rows) {
        if (!row.period) {
            const QRectF box(0, y, w, rowHeight);
            sheet.fill(box, QColor(225, 225, 225));
            sheet.frame(box);
            sheet.setTextColour();
            sheet.text(box.adjusted(3, 1, -3, -1), words.midnight(row.listed), PageFont(9, true),
                       Qt::AlignHCenter);
            y += rowHeight;
            continue;
        }
        const Period& p = *row.period;
        const bool holds = job.work && HoldsTimeOfWork(*job.work, p);
        QStringList note;
        const Marks marks = MarksOfPeriod(p, row.listed);
        if (!marks.Empty()) note << words.marks(marks);
        if (holds) note << Pages::tr("Time of work");
        cells(y,
              {PartText(p, row.nightBefore), words.clock(p.start.time()), words.clock(p.end.time()),
               words.period(p.name), words.verdict(p.verdict), note.join(QStringLiteral("; "))},
              holds, VerdictColour(p.verdict, !marks.Empty()));
        y += rowHeight;
    }
    if (!listed) {
        sheet.text({0, y + 4, w, 16}, Pages::tr("No sunrise or sunset"), PageFont(10));
        return;
    }

    y += 4;
    const QString abhijit = almanac.abhijit ? Pages::tr("Abhijit Muhurat: %1 to %2")
                                                  .arg(words.clock(almanac.abhijit->start.time()),
                                                       words.clock(almanac.abhijit->end.time()))
                                            : Pages::tr("Abhijit Muhurat: none on Wednesday");
    sheet.text({0, y, w, 16}, abhijit, PageFont(10, true));
    y += 20;
    if (!horas) return;

    sheet.text({0, y, w, 16}, Pages::tr("Horas"), PageFont(10, true));
    y += 18;
    // The day's twelve on the left, the night's on the right.
    constexpr std::array<double, 5> kHoraShares = {0.14, 0.22, 0.22, 0.19, 0.23};
    const std::array<QString, 5> horaHeads = {Pages::tr("Hora"), Pages::tr("Start"),
                                              Pages::tr("End"), Pages::tr("Lord"),
                                              Pages::tr("Verdict")};
    const double half = (w - 8) / 2;
    auto horaRow = [&](double left, double top, const std::array<QString, 5>& texts, bool bold,
                       const QColor& colour) {
        double x = left;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QRectF box(x, top, half * kHoraShares[c], kHoraRow);
            if (colour.isValid() && (c == 4 || bold)) sheet.fill(box, colour);
            sheet.frame(box);
            sheet.setTextColour();
            sheet.text(box.adjusted(2, 0.5, -2, -0.5), texts[c], PageFont(8, bold));
            x += box.width();
        }
    };
    for (const double left : {0.0, half + 8})
        horaRow(left, y, horaHeads, true, QColor(225, 225, 225));
    for (const Hora& h : almanac.horas) {
        const bool night = h.number > kHorasPerSpan;
        const int row = (h.number - 1) % kHorasPerSpan + 1;
        const Verdict verdict = h.favorable ? Verdict::Favorable : Verdict::Unfavorable;
        horaRow(night ? half + 8 : 0, y + row * kHoraRow,
                {QString::number(h.number), words.clock(h.start.time()), words.clock(h.end.time()),
                 words.planet(h.lord), words.verdict(verdict)},
                false, VerdictColour(verdict));
    }
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

    // Column heads: date, weekday, sunrise, sunset.
    for (int c = 0; c < kDaysPerWeek; ++c) {
        const QRectF box(labelWidth + c * columnWidth, y, columnWidth, headHeight);
        sheet.fill(box, QColor(225, 225, 225));
        sheet.frame(box);
        const DayListing* d = columns[static_cast<std::size_t>(c)];
        if (!d) continue;
        sheet.setTextColour();
        const QRectF inner = box.adjusted(2, 1, -2, -1);
        const double line = inner.height() / 4;
        sheet.text({inner.left(), inner.top(), inner.width(), line}, words.date(d->date),
                   PageFont(8, true), Qt::AlignHCenter);
        sheet.text({inner.left(), inner.top() + line, inner.width(), line},
                   QLocale().dayName(ToQDate(d->date).dayOfWeek()), PageFont(8, true),
                   Qt::AlignHCenter);
        if (d->failure || d->skipped) {
            sheet.text({inner.left(), inner.top() + 2 * line, inner.width(), 2 * line},
                       Pages::tr("No sunrise or sunset"), PageFont(7), Qt::AlignHCenter, true);
        } else {
            sheet.text({inner.left(), inner.top() + 2 * line, inner.width(), line},
                       Pages::tr("Sunrise %1")
                           .arg(words.clock(d->evaluation.result.inputDaySunRise.time())),
                       PageFont(7), Qt::AlignHCenter);
            sheet.text(
                {inner.left(), inner.top() + 3 * line, inner.width(), line},
                Pages::tr("Sunset %1").arg(words.clock(d->evaluation.result.inputDaySunSet.time())),
                PageFont(7), Qt::AlignHCenter);
        }
    }
    y += headHeight;

    for (int row = 0; row < 16; ++row) {
        const bool night = row >= kPeriodsPerSpan;
        const int number = row % kPeriodsPerSpan + 1;
        const double top = y + row * rowHeight;
        const QRectF label(0, top, labelWidth, rowHeight);
        sheet.fill(label, QColor(225, 225, 225));
        sheet.frame(label);
        sheet.setTextColour();
        sheet.text(label.adjusted(2, 1, -2, -1),
                   night ? Pages::tr("Night %1").arg(number) : Pages::tr("Day %1").arg(number),
                   PageFont(8, true));
        for (int c = 0; c < kDaysPerWeek; ++c) {
            const QRectF box(labelWidth + c * columnWidth, top, columnWidth, rowHeight);
            const DayListing* d = columns[static_cast<std::size_t>(c)];
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
                continue;
            }
            // A start time above the name with the verdict's sign; a period split
            // at midnight gives each part a line of its own, time and name.
            const double part = box.height() / static_cast<double>(entries.size());
            for (std::size_t e = 0; e < entries.size(); ++e) {
                const Period& p = *entries[e];
                const bool holds =
                    job.work && d->date == job.shown && HoldsTimeOfWork(*job.work, p);
                const QRectF slot(box.left(), box.top() + e * part, box.width(), part);
                const Marks marks = MarksOfPeriod(p, d->date);
                sheet.fill(slot, VerdictColour(p.verdict, !marks.Empty()));
                const QString name =
                    words.period(p.name) + u' ' + VerdictSign(p.verdict) + MarkSigns(marks);
                const QString start = words.clock(p.start.time());
                sheet.setTextColour();
                sheet.text(slot.adjusted(2, 0.5, -2, -0.5),
                           entries.size() == 1 ? start + u'\n' + name : start + u' ' + name,
                           PageFont(7, holds), Qt::AlignLeft);
                if (holds) sheet.frame(slot.adjusted(1, 1, -1, -1), 1.5);
            }
            sheet.frame(box);
        }
    }
    y += 16 * rowHeight;

    // The legend: what the signs and colours say.
    const double legendTop = y + 2;
    const double share = w / 5;
    const std::array<Verdict, 3> verdicts = {Verdict::Favorable, Verdict::Intermediate,
                                             Verdict::Unfavorable};
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const QRectF box(i * share, legendTop, share - 4, 11);
        sheet.fill(box, VerdictColour(verdicts[i]));
        sheet.frame(box);
        sheet.setTextColour();
        sheet.text(box.adjusted(2, 0, -2, 0),
                   VerdictSign(verdicts[i]) + u' ' + words.verdict(verdicts[i]), PageFont(7));
    }
    const QRectF spoiled(3 * share, legendTop, share - 4, 11);
    sheet.fill(spoiled, VerdictColour(Verdict::Favorable, true));
    sheet.frame(spoiled);
    sheet.setTextColour();
    sheet.text(spoiled.adjusted(2, 0, -2, 0),
               Pages::tr("%1 %2 with a mark")
                   .arg(VerdictSign(Verdict::Favorable), words.verdict(Verdict::Favorable)),
               PageFont(7));
    const QRectF work(4 * share, legendTop, share, 11);
    sheet.frame(work.adjusted(0, 0, -share * 0.8, 0), 1.5);
    sheet.text(work.adjusted(share * 0.2 + 3, 0, 0, 0), Pages::tr("Time of work"), PageFont(7));
    const double markShare = w / static_cast<double>(kAllMarks.size());
    for (std::size_t i = 0; i < kAllMarks.size(); ++i) {
        sheet.text({i * markShare, legendTop + 12, markShare - 4, 11},
                   MarkSign(i) + u' ' + words.mark(kAllMarks[i]), PageFont(7));
    }
}

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

PrintJob MakePrintJob(const Plan& plan, const Date& shown, const PrintChoice& choice) {
    PrintJob job{plan, choice, shown, {}, {}, {}};
    const Plan dated = plan.On(shown);
    const Outcome outcome = EvaluateWork(dated);
    if (const auto* work = std::get_if<Evaluation>(&outcome)) job.work = *work;
    if (choice.range == PrintRange::Day) {
        const Date before = AddDays(shown, -1);
        if (job.work && job.work->span == SpanKind::NightBeforeSunrise && IsListedDate(before)) {
            const DayListing night = ListDay(plan, before);
            if (!night.failure && !night.skipped) job.nightBefore = night.night;
        }
        if (job.work && job.nightBefore.empty()) {
            job.nightBefore = UnlistedNightBefore(dated, *job.work);
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
