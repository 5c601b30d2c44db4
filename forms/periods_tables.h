// SPDX-License-Identifier: GPL-3.0-or-later
// The two lists of the periods window: the periods of a date, section by
// section, and its 24 horas, filled from the date's table with every time as the
// clock the window follows shows it. A period's cells give minutes, as printed
// tables do; its tool tip and what a screen reader says keep the seconds.
#pragma once

#include <QString>

#include "forms/plan_clock.h"
#include "planning/listing.h"

class QTableWidget;
class QWidget;

namespace velnora {

enum PeriodColumn {
    PartColumn,
    StartColumn,
    EndColumn,
    NameColumn,
    VerdictColumn,
    MarksColumn,
    ColumnCount
};
enum HoraColumn {
    HoraNumberColumn,
    HoraStartColumn,
    HoraEndColumn,
    LordColumn,
    HoraVerdictColumn,
    HoraColumnCount
};

// The line where the night reaches the midnight that begins `date`: the new
// date, and the weekday whose table names the periods from there.
QString MidnightText(const Date& date);

// The lists, named and headed, one row selected at a time.
QTableWidget* NewPeriodsTable(QWidget* parent);
QTableWidget* NewHorasTable(QWidget* parent);

// Fills the periods' list with `table`'s sections; the row of the period that
// holds the time of work `work`, -1 when none does.
int FillPeriods(QTableWidget* list, const DayTable& table, const Evaluation* work,
                const WallReading& wall);
// Fills the horas' list; the row of the hora that holds the time of work, or -1.
int FillHoras(QTableWidget* list, const DayTable& table, const Evaluation* work,
              const WallReading& wall);

// Fixes the lists' columns at the widest texts they can show in the windows'
// language, so that the window keeps its width from date to date.
void FixColumnWidths(QTableWidget* periods, QTableWidget* horas);

// Selects and shows `row`, or clears the selection when it is -1.
void SelectRow(QTableWidget* list, int row);

}  // namespace velnora
