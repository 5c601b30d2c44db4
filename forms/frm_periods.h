// SPDX-License-Identifier: GPL-3.0-or-later
// frmPeriods: the sixteen periods of one date at the form's place and zone, the
// day's eight from sunrise to sunset and the night's eight to the next sunrise,
// each with its start, end, name and verdict. The night is split at midnight
// and named on each side as the evaluation names a moment there, with a row
// between that gives the new date and the weekday whose table names what
// follows; a time of work before sunrise brings the night that holds it first.
// Each period shows the
// almanac's marks it carries (Vaar Vela, Kaal Vela, Kaal Ratri, Rahu Kaal,
// Yamaganda, Gulika Kaal); below the list stand the day's Abhijit Muhurat and,
// in a second tab, its 24 horas. The period and the hora that hold the time of
// work are selected, and a line names the next favorable period (and, when that
// one carries a mark, the next favorable one that carries none). Previous day,
// next day and today move the date; the time of work stays. Times are those of
// the clock the windows chose for the place: its own clocks, daylight saving
// included, or the typed zone on every date; a line says which and why.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "core/clock.h"
#include "forms/plan_clock.h"
#include "planning/listing.h"
#include "print/print_dialogs.h"
#include "ui/message_boxes.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace velnora {

class FrmPeriods : public QWidget {
    Q_OBJECT
public:
    // `print` and `boxes` answer and report Print and Save as PDF.
    FrmPeriods(const Clock& clock, PrintDialogs& print, MessageBoxes& boxes,
               QWidget* parent = nullptr);

    // Shows the periods of the form's date of work on `clock` (none: the typed
    // zone, unsaid); the form has passed the checks of Proceed.
    void showFor(const FormValues& form, const std::optional<PlanClock>& clock = {});
    // Shows the periods of the plan's date of work at its place, named `place`,
    // with the line that says which clock its times follow.
    void showPlan(const Plan& plan, const QString& place,
                  const std::optional<PlanClock>& clock = {});
    Date date() const { return date_; }
    // The row of the period that holds the time of work; -1 when none is listed.
    int timeOfWorkRow() const { return timeOfWorkRow_; }
    // The row of the hora that holds the time of work; -1 when none of the date does.
    int timeOfWorkHora() const { return timeOfWorkHora_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes

private:
    void showDate(const Date& date);
    // The periods of `date` from the evaluation `outcome` of its time of work.
    void render(const Date& date, const Outcome& outcome);
    void cmdPreviousDay_Click();
    void cmdNextDay_Click();
    void cmdToday_Click();
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void showAlmanac(const DayTable& table, const Date& date, const Evaluation* work);
    void showNext(const Plan& dated, const Evaluation& work);
    void showClock(const std::optional<PlanClock>& clock, const Date& dateOfWork);
    // A time read in `zone` as the chosen clock shows it.
    ClockTime shown(const LocalDateTime& time, const ZoneOffset& zone) const;
    QString shownAt(const LocalDateTime& time, const ZoneOffset& zone) const;

    const Clock& clock_;
    PrintDialogs& print_;
    MessageBoxes& boxes_;
    Plan plan_;
    WallReading wall_;  // empty: times as listed
    Date date_;
    ZoneOffset zone_;
    int timeOfWorkRow_ = -1;
    int timeOfWorkHora_ = -1;

    QLabel* lblDay_ = nullptr;
    QLabel* lblPlace_ = nullptr;
    QLabel* lblClock_ = nullptr;
    QTabWidget* tabAlmanac_ = nullptr;
    QTableWidget* tblPeriods_ = nullptr;
    QTableWidget* tblHoras_ = nullptr;
    QLabel* lblAbhijit_ = nullptr;
    QLabel* lblNext_ = nullptr;
    QPushButton* cmdPreviousDay_ = nullptr;
    QPushButton* cmdNextDay_ = nullptr;
    QPushButton* cmdToday_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdSavePdf_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace velnora
