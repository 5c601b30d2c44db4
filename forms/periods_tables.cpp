// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/periods_tables.h"

#include <QDate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <functional>

#include "forms/frm_periods.h"
#include "forms/result_texts.h"
#include "print/pages.h"

namespace velnora {

namespace {

// Rows as high as their text, in any script, so that a day fits without
// scrolling; one whole row selected at a time.
void SetUpList(QTableWidget* list) {
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setTabKeyNavigation(false);
    list->setWordWrap(false);
    list->horizontalHeader()->setStretchLastSection(true);
}

void SetBold(QTableWidgetItem* item) {
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
}

// The cells of one row, each carrying what a screen reader says of the row.
template <std::size_t N>
void SetRow(QTableWidget* list, int row, const QString (&texts)[N], const QString& spoken,
            bool bold, const std::function<void(int column, QTableWidgetItem*)>& colour) {
    for (int column = 0; column < static_cast<int>(N); ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        item->setData(Qt::AccessibleDescriptionRole, spoken);
        item->setToolTip(spoken);
        colour(column, item);
        if (bold) SetBold(item);
        list->setItem(row, column, item);
    }
}

const QColor kMidnightColour(225, 225, 225);

void Colour(QTableWidgetItem* item, const QColor& background) {
    item->setBackground(background);
    item->setForeground(QColor(Qt::black));
}

QString PartText(const Period& p, bool nightBefore) {
    if (nightBefore) return FrmPeriods::tr("Night before %1").arg(p.number);
    return p.night ? FrmPeriods::tr("Night %1").arg(p.number)
                   : FrmPeriods::tr("Day %1").arg(p.number);
}

// A row across every column that is not a period: read, never selected.
void AddMidnightRow(QTableWidget* list, const Date& date) {
    const int row = list->rowCount();
    list->insertRow(row);
    const QString text = MidnightText(date);
    for (int column = 0; column < ColumnCount; ++column) {
        auto* item = new QTableWidgetItem(column == 0 ? text : QString());
        item->setFlags(Qt::ItemIsEnabled);
        item->setData(Qt::AccessibleDescriptionRole, text);
        item->setToolTip(text);
        item->setTextAlignment(Qt::AlignCenter);
        Colour(item, kMidnightColour);
        SetBold(item);
        list->setItem(row, column, item);
    }
    list->setSpan(row, 0, 1, ColumnCount);
}

// The rows of one section; the row that holds the time of work, or -1. A row
// marks midnight where the weekday that names the periods changes from
// `weekday`'s, which it then holds.
int AddRows(QTableWidget* list, const DaySection& section, const Evaluation* work,
            const WallReading& wall, int& weekday) {
    int holding = -1;
    const bool nightBefore = section.kind == SectionKind::NightBefore;
    const std::int64_t shift = work ? ZoneSeconds(work->zone()) - ZoneSeconds(section.zone) : 0;
    for (std::size_t k = 0; k < section.periods.size(); ++k) {
        const Period& p = section.periods[k];
        const Marks marked = k < section.marks.size() ? section.marks[k] : Marks{};
        if (weekday != 0 && p.weekday != weekday) {
            AddMidnightRow(list, OnWall(wall, p.start, section.zone).date());
        }
        weekday = p.weekday;
        const int row = list->rowCount();
        list->insertRow(row);
        const QString part = PartText(p, nightBefore);
        const ClockTime startTime = OnWall(wall, p.start, section.zone).time();
        const ClockTime endTime = OnWall(wall, p.end, section.zone).time();
        const QString start = ClockText(startTime);
        const QString end = ClockText(endTime);
        const QString name = PeriodText(p.name);
        const QString verdict = VerdictWordText(p.verdict);
        const QString markWords = MarksText(marked);
        const bool holds = work && HoldsTimeOfWork(*work, p, shift);
        QString spoken =
            FrmPeriods::tr("%1, %2 to %3, %4, %5").arg(part, start, end, name, verdict);
        if (!marked.Empty()) spoken = FrmPeriods::tr("%1, %2").arg(spoken, markWords);
        if (holds) spoken = FrmPeriods::tr("%1, the time of work").arg(spoken);
        const QString texts[ColumnCount] = {
            part, MinuteText(startTime), MinuteText(endTime), name, verdict, markWords};
        SetRow(list, row, texts, spoken, holds, [&](int column, QTableWidgetItem* item) {
            if (column == VerdictColumn) Colour(item, VerdictColour(p.verdict, !marked.Empty()));
            if (column == MarksColumn && !marked.Empty()) {
                Colour(item, VerdictColour(Verdict::Unfavorable));
            }
        });
        if (holds) holding = row;
    }
    return holding;
}

QFontMetrics BoldMetrics(const QTableWidget* list) {
    QFont bold = list->font();
    bold.setBold(true);
    return QFontMetrics(bold);
}

// The widest of `texts` in the list's bold font (the time of work's row), with
// the room a cell leaves around its text.
int Widest(const QTableWidget* list, const QStringList& texts) {
    const QFontMetrics metrics = BoldMetrics(list);
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    return widest + 2 * margin + 4;
}

// Of `count` candidates, the index whose text is widest in the list's bold font.
int WidestOf(const QTableWidget* list, int count, const std::function<QString(int)>& text) {
    const QFontMetrics metrics = BoldMetrics(list);
    int widest = 0;
    int widestWidth = metrics.horizontalAdvance(text(0));
    for (int i = 1; i < count; ++i) {
        if (const int width = metrics.horizontalAdvance(text(i)); width > widestWidth) {
            widest = i;
            widestWidth = width;
        }
    }
    return widest;
}

// The widest clock time `text` writes: the widest hour, then the widest minute
// and second beside it, as the widths of a time's parts add up.
QStringList WidestTime(const QTableWidget* list,
                       const std::function<QString(const ClockTime&)>& text) {
    const int hour = WidestOf(list, 24, [&](int h) { return text({h, 0, 0}); });
    const int minute = WidestOf(list, 60, [&](int m) { return text({hour, m, 0}); });
    const int second = WidestOf(list, 60, [&](int s) { return text({hour, minute, s}); });
    return {text({hour, minute, second})};
}

// The widest midnight line: the widest weekday beside the widest month, on a
// date with two digits.
QStringList WidestMidnight(const QTableWidget* list) {
    const QLocale locale;
    const int weekday = WidestOf(list, kDaysPerWeek, [&](int d) { return locale.dayName(d + 1); });
    const int month = WidestOf(list, 12, [&](int m) { return locale.monthName(m + 1); });
    QDate day(2024, month + 1, 22);
    while (day.dayOfWeek() != weekday + 1) day = day.addDays(1);
    return {MidnightText({day.year(), day.month(), day.day()})};
}

// Fixes each column at `widths` (or its heading, when wider); their sum.
int FixColumns(QTableWidget* list, const std::vector<int>& widths) {
    QHeaderView* header = list->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    int total = 0;
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
        const int width = std::max(widths[column], header->sectionSizeHint(column));
        header->resizeSection(column, width);
        total += width;
    }
    return total;
}

}  // namespace

QString MidnightText(const Date& date) {
    const QDate day(date.year, date.month, date.day);
    const QLocale locale;
    const QString weekday = locale.dayName(day.dayOfWeek());
    const QString dated =
        FrmPeriods::tr("%1, %2").arg(weekday, locale.toString(day, FrmPeriods::tr("d MMMM yyyy")));
    //: The line of the periods' list where the night reaches midnight: %1 is the
    //: new date with its weekday, %2 the weekday whose table names the periods after it
    return FrmPeriods::tr("%1: from midnight, periods named by %2's table").arg(dated, weekday);
}

void FixColumnWidths(QTableWidget* periods, QTableWidget* horas) {
    QStringList parts, horaNumbers, names, verdicts, marks, lords;
    for (int n = 1; n <= kPeriodsPerSpan; ++n) {
        for (const bool night : {false, true}) {
            Period p;
            p.number = n;
            p.night = night;
            parts << PartText(p, false) << PartText(p, true);
        }
    }
    for (int n = 1; n <= kHorasPerSpan; ++n) {
        horaNumbers << FrmPeriods::tr("Day %1").arg(n) << FrmPeriods::tr("Night %1").arg(n);
    }
    for (int name = 0; name < kChoghadiyaCount; ++name) {
        names << PeriodText(static_cast<Choghadiya>(name));
    }
    for (const Verdict v : {Verdict::Favorable, Verdict::Intermediate, Verdict::Unfavorable}) {
        verdicts << VerdictWordText(v);
    }
    for (int weekday = 1; weekday <= kDaysPerWeek; ++weekday) {
        lords << PlanetText(WeekdayLord(weekday));
        for (int part = 1; part <= kPeriodsPerSpan; ++part) {
            marks << MarksText(DayMarks(part, weekday)) << MarksText(NightMarks(part, weekday));
        }
    }
    const int minutes = Widest(periods, WidestTime(periods, MinuteText));
    std::vector<int> widths = {
        Widest(periods, parts), minutes, minutes, Widest(periods, names), Widest(periods, verdicts),
        Widest(periods, marks)};
    // The midnight row spans the columns: the last one makes up any room it lacks.
    const int lacking = Widest(periods, WidestMidnight(periods)) - FixColumns(periods, widths);
    if (lacking > 0) {
        QHeaderView* header = periods->horizontalHeader();
        header->resizeSection(MarksColumn, header->sectionSize(MarksColumn) + lacking);
    }

    const int seconds = Widest(horas, WidestTime(horas, ClockText));
    FixColumns(horas, {Widest(horas, horaNumbers), seconds, seconds, Widest(horas, lords),
                       Widest(horas, verdicts)});
}

QTableWidget* NewPeriodsTable(QWidget* parent) {
    auto* list = new QTableWidget(0, ColumnCount, parent);
    list->setObjectName(QStringLiteral("tblPeriods"));
    list->setAccessibleName(FrmPeriods::tr("Periods of the day and the night"));
    list->setHorizontalHeaderLabels({
        //: Column of the periods' list: which of the day's or the night's eight periods
        FrmPeriods::tr("Period"),
        //: Column of the periods' list: the time a period starts
        FrmPeriods::tr("Start"),
        //: Column of the periods' list: the time a period ends
        FrmPeriods::tr("End"),
        //: Column of the periods' list: the Choghadiya name (Amrut, Shubh ...)
        FrmPeriods::tr("Choghadiya"),
        //: Column of the periods' list: favorable, intermediate or unfavorable
        FrmPeriods::tr("Verdict"),
        //: Column of the periods' list: the almanac's marks (Rahu Kaal, Kaal Vela ...) on a period
        FrmPeriods::tr("Marks"),
    });
    SetUpList(list);
    // The periods' list sizes the window; the 24 horas scroll in the same room.
    list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return list;
}

QTableWidget* NewHorasTable(QWidget* parent) {
    auto* list = new QTableWidget(0, HoraColumnCount, parent);
    list->setObjectName(QStringLiteral("tblHoras"));
    list->setAccessibleName(FrmPeriods::tr("Horas of the day and the night"));
    list->setHorizontalHeaderLabels({
        //: Column of the horas' list: which of the 24 planetary hours
        FrmPeriods::tr("Hora"),
        FrmPeriods::tr("Start"),
        FrmPeriods::tr("End"),
        //: Column of the horas' list: the planet that rules the hora
        FrmPeriods::tr("Lord"),
        FrmPeriods::tr("Verdict"),
    });
    SetUpList(list);
    return list;
}

int FillPeriods(QTableWidget* list, const DayTable& table, const Evaluation* work,
                const WallReading& wall) {
    list->setRowCount(0);
    list->clearSpans();
    int holding = -1;
    int weekday = 0;
    for (const DaySection& section : table.sections) {
        const int row = AddRows(list, section, work, wall, weekday);
        if (row >= 0) holding = row;
    }
    return holding;
}

int FillHoras(QTableWidget* list, const DayTable& table, const Evaluation* work,
              const WallReading& wall) {
    list->setRowCount(static_cast<int>(table.horas.size()));
    std::optional<std::size_t> holding;
    // The time of work read on the horas' clock.
    if (work) {
        holding = HoraHolding(table.horas, work->WorkTime + (ZoneSeconds(work->zone()) -
                                                             ZoneSeconds(table.horasZone)));
    }
    const int holdingRow = holding ? static_cast<int>(*holding) : -1;
    for (std::size_t i = 0; i < table.horas.size(); ++i) {
        const Hora& h = table.horas[i];
        const int row = static_cast<int>(i);
        const QString number = h.number > kHorasPerSpan
                                   ? FrmPeriods::tr("Night %1").arg(h.number - kHorasPerSpan)
                                   : FrmPeriods::tr("Day %1").arg(h.number);
        const QString start = ClockText(OnWall(wall, h.start, table.horasZone).time());
        const QString end = ClockText(OnWall(wall, h.end, table.horasZone).time());
        const QString lord = PlanetText(h.lord);
        const Verdict verdict = h.favorable ? Verdict::Favorable : Verdict::Unfavorable;
        const QString word = VerdictWordText(verdict);
        QString spoken =
            FrmPeriods::tr("Hora %1, %2 to %3, %4, %5").arg(number, start, end, lord, word);
        if (row == holdingRow) spoken = FrmPeriods::tr("%1, the time of work").arg(spoken);
        const QString texts[HoraColumnCount] = {number, start, end, lord, word};
        SetRow(list, row, texts, spoken, row == holdingRow,
               [&](int column, QTableWidgetItem* item) {
                   if (column == HoraVerdictColumn) Colour(item, VerdictColour(verdict));
               });
    }
    return holdingRow;
}

void SelectRow(QTableWidget* list, int row) {
    if (row < 0) {
        list->clearSelection();
        return;
    }
    list->selectRow(row);
    list->setCurrentCell(row, 0);
    list->scrollToItem(list->item(row, 0));
}

}  // namespace velnora
