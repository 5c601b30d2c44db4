// SPDX-License-Identifier: GPL-3.0-or-later
// The flow between the input and result windows. A successful "&Proceed" hides
// frmMain (its values stay), creates frmDisplay when needed, fills and shows it;
// "&Back" unloads frmDisplay and shows frmMain again. Closing either window
// unloads it and reports `unloaded`; what follows (the farewell window, the end
// of the program) is the shell's decision, as are the web links and About box.
// The "&Plan" entries of both windows open the one periods window (frmPeriods)
// for the values they carry, or write a calendar file of them; the clock gives
// that window its "today" and the calendar file its stamp. Both follow the
// clock PlanServices::clockOf chooses; the result window keeps the typed zone.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

#include "core/clock.h"
#include "forms/coordinate_lookup.h"
#include "forms/link.h"
#include "forms/plan_clock.h"
#include "places/places.h"
#include "print/print_dialogs.h"
#include "ui/calendar_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/window_slot.h"
#include "workflow/evaluation.h"

namespace velnora {

class FrmDisplay;
class FrmMain;
class FrmPeriods;

// What the "&Plan" entries need from outside the windows.
struct PlanServices {
    const Clock& clock;
    CalendarDialogs& dialogs;
    PrintDialogs& print;  // Print and Save as PDF of the periods window
    // Which clock the periods window and the calendar follow; empty: the typed
    // zone on every date, unsaid.
    PlanClockChooser clockOf;
};

class Windows : public QObject {
    Q_OBJECT
public:
    Windows(MessageBoxes& boxes, CoordinateLookupFactory lookup, PlanServices plan,
            QObject* parent = nullptr);
    ~Windows() override;

    FrmMain* main() const;        // nullptr once unloaded
    FrmDisplay* display() const;  // nullptr when not loaded
    FrmPeriods* periods() const;  // nullptr when not loaded
    void showMain();              // loads frmMain if needed and shows it modeless
    // The periods window for `place` at the present moment on its own clocks; the
    // input window keeps its values.
    void showPeriodsHere(const velnora::places::Place& place);

Q_SIGNALS:
    void loaded(QWidget* window);    // frmMain, frmDisplay or frmPeriods has just been made
    void unloaded(QWidget* window);  // frmMain or frmDisplay is unloading
    void farewellHideRequested();    // the evaluation and Back hide the farewell window
    void linkRequested(velnora::Link link);
    void aboutRequested(QWidget* parent);

private:
    template <class Window>
    void adopt(WindowSlot<Window>& slot);
    void showResult(const EvaluationResult& result, const FormValues& form);
    void back();
    void showPeriods(const FormValues& form);
    // Fills the one periods window (made on the first request) and brings it up.
    void showInPeriods(const std::function<void(FrmPeriods&)>& fill);
    void addToCalendar(const FormValues& form, QWidget* from);

    MessageBoxes& boxes_;
    CoordinateLookupFactory lookup_;
    PlanServices plan_;
    WindowSlot<FrmMain> main_;
    WindowSlot<FrmDisplay> display_;
    WindowSlot<FrmPeriods> periods_;
};

}  // namespace velnora
