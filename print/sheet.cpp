// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/sheet.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include "ui/look.h"
#include "ui/program.h"

namespace velnora {

namespace {

constexpr double kSmallestPagePoints = 5.0;  // a text is shrunk no further
constexpr double kFooterPoints = 7.0;

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

const EvaluationResult* AnyResult(const PrintJob& job) {
    if (job.work) return &job.work->result;
    for (const DayListing& d : job.days) {
        if (!d.failure && !d.skipped) return &d.evaluation.result;
    }
    return nullptr;
}

}  // namespace

void Sheet::text(const QRectF& box, const QString& words, QFont font, int align, bool wrap) {
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

QFont PageFont(double points, bool bold) { return Verdana(points, bold); }

void Footer(Sheet& sheet, int page, int pages) {
    const QSizeF s = sheet.size();
    sheet.line({0, s.height() - 12}, {s.width(), s.height() - 12});
    const QRectF box(0, s.height() - 11, s.width(), 11);
    sheet.setTextColour();
    sheet.text(box, QString::fromLatin1(kProgramCaption), PageFont(kFooterPoints));
    sheet.text(box, Pages::tr("Page %1 of %2").arg(page).arg(pages), PageFont(kFooterPoints),
               Qt::AlignRight);
}

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

QString TimeText(const PrintJob& job, const PageWords& words, const LocalDateTime& time,
                 const ZoneOffset& zone) {
    return words.clock(OnWall(job.wall, time, zone).time());
}

QDate ToQDate(const Date& d) { return {d.year, d.month, d.day}; }

}  // namespace velnora
