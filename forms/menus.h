// SPDX-License-Identifier: GPL-3.0-or-later
// The main and result windows' common part: the menu bar they share ("&File",
// "P&lan", "&Help", "&Donate", a command on the bar itself, and the
// never-available "Make Money &Online") and what both ask of the other windows.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>

#include "forms/link.h"
#include "workflow/form_values.h"

class QAction;

namespace velnora {

struct MenuNames {
    QString firstName, firstCaption;  // mnuNext "&Proceed" or mnuFileBack "&Back"
    QString updateCaption;            // the two windows differ in its access key
    QString separator1, separator2;   // names of the Help menu's separators
};

class MenuWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

Q_SIGNALS:
    void periodsRequested(const velnora::FormValues& form, QWidget* from);
    void calendarRequested(const velnora::FormValues& form, QWidget* from);
    void linkRequested(velnora::Link link);
    void aboutRequested(QWidget* parent);
    void unloading();  // the window is closing; it is deleted afterwards

protected:
    // The values the "&Plan" entries plan from; none when the window has said why not.
    using PlanForm = std::function<std::optional<FormValues>()>;
    // Builds the menu bar: Exit closes the window, About, the links and the
    // "&Plan" entries ask through the signals. Returns the first entry.
    QAction* buildMenuBar(const MenuNames& names, const PlanForm& planForm);
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace velnora
