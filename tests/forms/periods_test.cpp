// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Plan" menu of the input and result windows: the periods window of the
// 5 March 2024 example and its calendar file.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <sstream>

#include "cli/english.h"
#include "forms/add_to_calendar.h"
#include "forms/frm_periods.h"
#include "forms/result_texts.h"
#include "forms_test_support.h"
#include "planning/calendar.h"
#include "planning/listing.h"
#include "ui/language.h"

namespace velnora::test {
namespace {

struct Periods : WindowsFixture {
    QTableWidget* table() { return child<QTableWidget>(windows.periods(), "tblPeriods"); }
    QString cell(int row, int column) { return table()->item(row, column)->text(); }
    // The rows that list a period, not the one that marks midnight.
    QList<int> periodRows() {
        QList<int> rows;
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (table()->item(row, 0)->flags() & Qt::ItemIsSelectable) rows << row;
        }
        return rows;
    }
    // The periods of the window by their first column, "Day 2" or "Night 4": the
    // period the night's midnight cuts in two is listed twice.
    QSet<QString> distinctPeriods() {
        QSet<QString> parts;
        for (const int row : periodRows()) parts << cell(row, 0);
        return parts;
    }
    FrmDisplay* proceed() {
        click(main(), "cmdRashi");
        return windows.display();
    }
    // The row the window selected, which must be the only one.
    int selectedRow() {
        const QModelIndexList rows = table()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows[0].row() : -1;
    }
};

TEST_F(Periods, FromTheResultWindowTheTimeOfWorksPeriodIsSelected) {
    enterExample();
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    trigger(display, "mnuPeriods");
    FrmPeriods* periods = windows.periods();
    ASSERT_NE(periods, nullptr);
    EXPECT_TRUE(periods->isVisible());
    EXPECT_TRUE(display->isVisible()) << "the result window stays";

    EXPECT_EQ(periods->date(), (Date{2024, 3, 5}));
    EXPECT_EQ(distinctPeriods().size(), 16);
    EXPECT_EQ(cell(0, 0), "Day 1");
    EXPECT_EQ(cell(0, 1), "6:58 AM") << "the day starts at sunrise, to the minute";
    // One rounding for every instant: each shown end is the next period's shown start.
    const QList<int> rows = periodRows();
    for (int r = 0; r + 1 < rows.size(); ++r)
        EXPECT_EQ(cell(rows[r], 2), cell(rows[r + 1], 1)) << r;
    // One row across the list marks midnight, between the two parts of the period it cuts.
    ASSERT_EQ(rows.size() + 1, table()->rowCount());
    int midnight = 0;
    while (rows.contains(midnight)) ++midnight;
    EXPECT_EQ(cell(midnight, 0),
              "Wednesday, 6 March 2024: from midnight, periods named by Wednesday's table");
    EXPECT_EQ(table()->columnSpan(midnight, 0), table()->columnCount());
    EXPECT_EQ(cell(midnight - 1, 2), "12:00 AM");
    EXPECT_EQ(cell(midnight - 1, 0), cell(midnight + 1, 0));
    EXPECT_EQ(table()->verticalScrollBar()->maximum(), 0) << "every row is in view";
    const int row = periods->timeOfWorkRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(selectedRow(), row);
    EXPECT_EQ(cell(row, 0), "Day 2");
    EXPECT_EQ(cell(row, 3), child<QLabel>(display, "lblChaghodiya")->text());
    EXPECT_EQ(cell(row, 4), "unfavorable");
    // The seconds stay in what a screen reader says and in the tool tip.
    const QString spoken = table()->item(row, 1)->data(Qt::AccessibleDescriptionRole).toString();
    EXPECT_TRUE(QRegularExpression("^Day 2, \\d+:\\d\\d:\\d\\d AM to \\d+:\\d\\d:\\d\\d AM, Udveg, "
                                   "unfavorable, Vaar Vela, "
                                   "the time of work$")
                    .match(spoken)
                    .hasMatch())
        << spoken.toStdString();
    EXPECT_EQ(table()->item(row, 3)->toolTip(), spoken);
    // The night is listed to the next sunrise, through midnight.
    EXPECT_EQ(cell(table()->rowCount() - 1, 0), "Night 8");

    // Sunrise 6:58, sunset 18:45: periods of 42420 / 8 = 5302 s; Tuesday's fourth
    // is Labh, from 6:58:00 + 3 x 1:28:22.
    const QString line = child<QLabel>(periods, "lblNext")->text();
    EXPECT_TRUE(line.startsWith("Next favorable period: Labh, ")) << line.toStdString();
    EXPECT_TRUE(line.endsWith("11:23:06 AM to 12:51:28 PM, starts in 2 h 18 min."))
        << line.toStdString();

    EXPECT_EQ(TabStops(table(), 9),
              QStringList({"tblPeriods", "tblHoras", "cmdPreviousDay", "cmdNextDay", "cmdToday",
                           "cmdPrint", "cmdSavePdf", "cmdClose", "tabAlmanac"}));
    for (QWidget* w : {static_cast<QWidget*>(table()), child<QWidget>(periods, "cmdToday")}) {
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
}

// Saturday 9 March 2024 at 14:30 lies in Labh, which the almanac marks Vaar
// Vela and Yamaganda: the row says so, its verdict is not shown as plainly
// favorable, and the next line goes on to the next favorable period without a
// mark. The time of work lies in the 8th hora, Saturn's like the first.
TEST_F(Periods, MarksAbhijitAndHorasBesideThePeriods) {
    enterExample();
    pick("cboDate", "9");
    pick("cboHour", "14");
    pick("cboMinute", "30");
    trigger(proceed(), "mnuPeriods");
    FrmPeriods* periods = windows.periods();
    ASSERT_NE(periods, nullptr);
    const int row = periods->timeOfWorkRow();
    ASSERT_EQ(row, 5);
    EXPECT_EQ(cell(row, 3), "Labh");
    EXPECT_EQ(cell(row, 5), "Vaar Vela, Yamaganda");
    EXPECT_EQ(cell(0, 5), "Kaal Vela, Gulika Kaal");
    EXPECT_NE(table()->item(row, 4)->background(), table()->item(row + 1, 4)->background())
        << "Labh with marks beside Amrut without";
    const QString line = child<QLabel>(periods, "lblNext")->text();
    EXPECT_TRUE(
        line.contains("It falls in Vaar Vela, Yamaganda. Next favorable period without a "
                      "mark: Amrut, "))
        << line.toStdString();
    EXPECT_EQ(child<QLabel>(periods, "lblAbhijit")->text(),
              "Abhijit Muhurat: 12:26:48 PM to 1:14:12 PM");

    auto* horas = child<QTableWidget>(periods, "tblHoras");
    ASSERT_EQ(horas->rowCount(), 24);
    EXPECT_EQ(horas->item(0, 3)->text(), "Saturn");
    ASSERT_EQ(periods->timeOfWorkHora(), 7);
    EXPECT_EQ(horas->item(7, 3)->text(), "Saturn");
    EXPECT_EQ(horas->selectionModel()->selectedRows().value(0).row(), 7);
}

TEST_F(Periods, DaysMoveAndTodayIsTheFormsZonesDate) {
    enterExample();
    trigger(proceed(), "mnuPeriods");
    FrmPeriods* periods = windows.periods();
    ASSERT_NE(periods, nullptr);

    click(periods, "cmdNextDay");
    EXPECT_EQ(periods->date(), (Date{2024, 3, 6}));
    EXPECT_TRUE(child<QLabel>(periods, "lblDay")->text().endsWith("March/6/2024"));
    // 9:05 lies in Wednesday's second day period, Amrut.
    ASSERT_GE(periods->timeOfWorkRow(), 0);
    EXPECT_EQ(cell(periods->timeOfWorkRow(), 0), "Day 2");
    EXPECT_EQ(cell(periods->timeOfWorkRow(), 3), "Amrut");
    EXPECT_EQ(selectedRow(), periods->timeOfWorkRow());

    click(periods, "cmdPreviousDay");
    click(periods, "cmdPreviousDay");
    EXPECT_EQ(periods->date(), (Date{2024, 3, 4}));

    // 20:00 Greenwich time on 4 March is 1:30 on 5 March in India.
    clock =
        FixedClock(std::chrono::sys_days{std::chrono::year{2024} / 3 / 4} + std::chrono::hours{20});
    click(periods, "cmdToday");
    EXPECT_EQ(periods->date(), (Date{2024, 3, 5}));

    QPointer<FrmPeriods> closing = periods;
    QTest::keyClick(table(), Qt::Key_Escape);
    FinishUnloading();
    EXPECT_TRUE(closing.isNull());
}

// Also on 1 January 1901, whose night before began on 31 December 1900, a date
// outside the year list.
TEST_F(Periods, BeforeSunriseTheNightThatHoldsItComesFirst) {
    const struct {
        const char *month, *day, *year;
    } dates[] = {{"March", "5", "2024"}, {"January", "1", "1901"}};
    for (const auto& date : dates) {
        SCOPED_TRACE(date.year);
        enterExample();
        pick("cboMonth", date.month);
        pick("cboDate", date.day);
        pick("cboYear", date.year);
        pick("cboHour", "3");
        trigger(proceed(), "mnuPeriods");
        FrmPeriods* periods = windows.periods();
        ASSERT_NE(periods, nullptr);
        const int row = periods->timeOfWorkRow();
        ASSERT_GE(row, 0);
        EXPECT_TRUE(cell(0, 0).startsWith("Night before")) << cell(0, 0).toStdString();
        EXPECT_TRUE(cell(row, 0).startsWith("Night before")) << cell(row, 0).toStdString();
        EXPECT_EQ(cell(row, 3), child<QLabel>(windows.display(), "lblChaghodiya")->text());
        EXPECT_EQ(selectedRow(), row);
    }
}

TEST_F(Periods, ThePlanEntriesOfAnInvalidFormShowProceedsMessage) {
    click(main(), "cmdRashi");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const Shown proceeds = boxes.shown[0];
    for (const char* entry : {"mnuPeriods", "mnuCalendar"}) {
        boxes.shown.clear();
        box("txtLatD")->setFocus();
        trigger(main(), entry);
        EXPECT_EQ(boxes.shown, std::vector<Shown>{proceeds}) << entry;
        EXPECT_EQ(main()->focusWidget(), box("txtName")) << entry;
    }
    EXPECT_EQ(windows.periods(), nullptr);
    EXPECT_EQ(calendarDialogs.asked, 0);
    EXPECT_TRUE(main()->isVisible());

    // A valid form opens the window and leaves the input window as it is.
    enterExample();
    trigger(main(), "mnuPeriods");
    ASSERT_NE(windows.periods(), nullptr);
    EXPECT_EQ(windows.periods()->date(), (Date{2024, 3, 5}));
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(windows.display(), nullptr);
}

TEST_F(Periods, CalendarIsWrittenWholeAndCountsItsEvents) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    enterExample();
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    calendarDialogs.days = 3;
    calendarDialogs.file = dir.filePath("plan.ics");
    trigger(display, "mnuCalendar");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, Icon::Information);
    const QRegularExpressionMatch count =
        QRegularExpression("^(\\d+) favorable periods of 3 days").match(boxes.shown[0].text);
    ASSERT_TRUE(count.hasMatch()) << boxes.shown[0].text.toStdString();

    QFile file(calendarDialogs.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_EQ(written.count("BEGIN:VEVENT\r\n"), count.captured(1).toInt());
    EXPECT_EQ(written.count("END:VEVENT\r\n"), count.captured(1).toInt());
    EXPECT_GT(count.captured(1).toInt(), 0);
    // The same bytes as velnora-cli's calendar of the same values and moment.
    const std::vector<DayListing> days =
        ListDays({std::get<EvaluationInput>(ReadForm(main()->values())), {}}, 3);
    const english::CalendarEnglish words;
    const CalendarRequest request{words, days, false, {}, clock.now()};
    std::ostringstream expected;
    WriteCalendar(expected, request);
    EXPECT_EQ(written.toStdString(), expected.str());

    // A folder that does not exist: the reason, and no file.
    boxes.shown.clear();
    calendarDialogs.file = dir.filePath("missing/plan.ics");
    trigger(display, "mnuCalendar");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, Icon::Critical);
    EXPECT_TRUE(boxes.shown[0].text.contains("missing/plan.ics"))
        << boxes.shown[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(calendarDialogs.file));

    // Cancel asks nothing more and writes nothing.
    boxes.shown.clear();
    calendarDialogs.days.reset();
    calendarDialogs.asked = 0;
    trigger(display, "mnuCalendar");
    EXPECT_EQ(calendarDialogs.asked, 1);
    EXPECT_TRUE(boxes.shown.empty());
}

// A calendar written from Gujarati windows speaks Gujarati; its UIDs are those of
// the English one, so importing it again replaces the events.
TEST_F(Periods, CalendarInTheWindowsLanguageKeepsItsUids) {
    enterExample();
    const FormValues form = main()->values();
    QTemporaryDir dir;
    calendarDialogs.days = 1;
    const auto write = [&](const QString& name) {
        calendarDialogs.file = dir.filePath(name);
        EXPECT_TRUE(AddToCalendar(nullptr, form, {}, clock, calendarDialogs, boxes));
        QFile file(calendarDialogs.file);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    };
    const QString english = write(QStringLiteral("en.ics"));
    QString gujarati;
    {
        Translation translation;
        ASSERT_TRUE(translation.install(QStringLiteral("gu")));
        gujarati = write(QStringLiteral("gu.ics"));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto lines = [](const QString& text, const QString& key) {
        QStringList found;
        for (const QString& line : text.split(QStringLiteral("\r\n"))) {
            if (line.startsWith(key)) found << line;
        }
        return found;
    };
    EXPECT_EQ(lines(gujarati, "UID:"), lines(english, "UID:"));
    EXPECT_FALSE(lines(english, "UID:").isEmpty());
    EXPECT_TRUE(lines(english, "SUMMARY:").contains("SUMMARY:Labh: favorable"));
    // Labh, favorable: લાભ, શુભ.
    EXPECT_TRUE(lines(gujarati, "SUMMARY:").contains(QStringLiteral("SUMMARY:લાભ: શુભ")))
        << lines(gujarati, "SUMMARY:").join('\n').toStdString();
    const QString unfolded = QString(gujarati).remove(QStringLiteral("\r\n "));
    EXPECT_TRUE(unfolded.contains(QStringLiteral(
        "X-WR-CALNAME:Ahmedabad\\, Gujarat\\, India (23° 2' ઉ\\, 72° 35' પૂ) નાં ચોઘડિયાં\r\n")))
        << gujarati.toStdString();
    EXPECT_FALSE(gujarati.contains(QStringLiteral("Choghadiya")));
}

}  // namespace
}  // namespace velnora::test
