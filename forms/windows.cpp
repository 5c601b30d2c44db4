// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/windows.h"

#include "forms/add_to_calendar.h"
#include "forms/frm_display.h"
#include "forms/frm_main.h"
#include "forms/frm_periods.h"
#include "forms/gazetteer_clock.h"
#include "ui/look.h"

namespace velnora {

Windows::Windows(MessageBoxes& boxes, CoordinateLookupFactory lookup, PlanServices plan,
                 QObject* parent)
    : QObject(parent), boxes_(boxes), lookup_(std::move(lookup)), plan_(std::move(plan)) {}

// The slots delete the windows still loaded, the last made first.
Windows::~Windows() = default;

FrmMain* Windows::main() const { return main_; }

FrmDisplay* Windows::display() const { return display_; }

FrmPeriods* Windows::periods() const { return periods_; }

// What the main and the result window both ask for; the slot empties as the
// window unloads.
template <class Window>
void Windows::adopt(WindowSlot<Window>& slot) {
    MenuWindow* window = slot;
    connect(window, &MenuWindow::linkRequested, this, &Windows::linkRequested);
    connect(window, &MenuWindow::aboutRequested, this, &Windows::aboutRequested);
    connect(window, &MenuWindow::periodsRequested, this, &Windows::showPeriods);
    connect(window, &MenuWindow::calendarRequested, this, &Windows::addToCalendar);
    connect(window, &MenuWindow::unloading, this,
            [this, &slot] { Q_EMIT unloaded(slot.release()); });
    CentreOnScreen(window);
    Q_EMIT loaded(window);
}

void Windows::showMain() {
    if (!main_) {
        main_.make(boxes_, lookup_);
        connect(main_, &FrmMain::evaluated, this, &Windows::showResult);
        adopt(main_);
    }
    main_->show();
}

void Windows::showResult(const EvaluationResult& result, const FormValues& form) {
    main_->hide();
    Q_EMIT farewellHideRequested();
    if (!display_) {
        display_.make();
        connect(display_, &FrmDisplay::backRequested, this, &Windows::back);
        adopt(display_);
    }
    display_->setResult(result, form);
    display_->show();
}

void Windows::back() {
    if (display_) display_->close();
    showMain();
    Q_EMIT farewellHideRequested();
}

void Windows::showPeriods(const FormValues& form) {
    std::optional<PlanClock> clock;
    if (plan_.clockOf) clock = plan_.clockOf(form);
    showInPeriods([&](FrmPeriods& periods) { periods.showFor(form, clock); });
}

void Windows::showPeriodsHere(const places::Place& place) {
    const auto here = PlanAtPlaceNow(place, plan_.clock);
    if (!here) return;  // the lookup offers only places whose clocks are known
    showInPeriods(
        [&](FrmPeriods& periods) { periods.showPlan(here->plan, place.city, here->clock); });
}

// One periods window at a time: a second request shows the new values in it.
void Windows::showInPeriods(const std::function<void(FrmPeriods&)>& fill) {
    const bool made = !periods_;
    if (made) periods_.make(plan_.clock, plan_.print, boxes_);
    fill(*periods_);
    if (made) {
        CentreOnScreen(periods_);
        Q_EMIT loaded(periods_);
    }
    periods_->show();
    periods_->raise();
    periods_->activateWindow();
}

void Windows::addToCalendar(const FormValues& form, QWidget* from) {
    ZoneForDate zoneFor;
    if (plan_.clockOf) zoneFor = plan_.clockOf(form).zoneFor;
    AddToCalendar(from, form, zoneFor, plan_.clock, plan_.dialogs, boxes_);
}

}  // namespace velnora
