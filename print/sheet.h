// SPDX-License-Identifier: GPL-3.0-or-later
// What the printed pages are drawn with: a sheet that fits every text into its
// box, the heading and the footer each page carries, and the painters of the
// day's page and of a week's page of the month.
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "print/pages.h"

namespace velnora {

// The pages' own words, in the translation tables under this context.
class Pages {
    Q_DECLARE_TR_FUNCTIONS(velnora::Pages)
};

inline constexpr double kGrid = 0.5;                // line width of the tables, points
inline constexpr QColor kHeadShade{225, 225, 225};  // the tables' heads and the midnight row

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
              bool wrap = false);

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

    // A table's cell: `box` filled with `colour` where that is valid, framed, and
    // `words` in it, `inset` points in from each side.
    void cell(const QRectF& box, const QString& words, const QFont& font, const QColor& colour = {},
              int align = Qt::AlignLeft, QSizeF inset = {3, 1}, bool wrap = false) {
        if (colour.isValid()) fill(box, colour);
        frame(box);
        setTextColour();
        const double dx = inset.width(), dy = inset.height();
        text(box.adjusted(dx, dy, -dx, -dy), words, font, align, wrap);
    }

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

QFont PageFont(double points, bool bold = false);
QDate ToQDate(const Date& d);
QString WeekdayAndDate(const Date& d, const PageWords& words);
// A time read in `zone` as the job shows it.
QString TimeText(const PrintJob& job, const PageWords& words, const LocalDateTime& time,
                 const ZoneOffset& zone);

// The values every page heads with: where and in which zone.
struct Heading {
    QString place;
    QString position;  // latitude, longitude and zone
};

Heading HeadingOf(const PrintJob& job, const PageWords& words);
// The heading of every page; returns the height it took.
double HeadingLines(Sheet& sheet, const QString& title, const Heading& heading);
// Program name and version, and the page's number: the last 12 points of a page.
void Footer(Sheet& sheet, int page, int pages);

// The shown date's page.
void PaintDay(Sheet& sheet, const PrintJob& job, const PageWords& words);
// The Sunday that begins the week of the 1st of `shown`'s month, and the number
// of weeks from it to the month's last day: the month's pages.
Date FirstSunday(const Date& shown);
int WeeksOfMonth(const Date& shown);
// The page of the week that starts on `sunday`.
void PaintWeek(Sheet& sheet, const PrintJob& job, const PageWords& words, const Date& sunday);

}  // namespace velnora
