// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar that the main and result windows share: "&File", "P&lan", "&Help",
// "&Donate" (a command on the bar itself) and the never-available
// "Make Money &Online". Link entries report their page through `onLink`.
#pragma once

#include <QString>
#include <functional>

#include "forms/link.h"

class QAction;
class QMainWindow;

namespace velnora {

struct MenuNames {
    QString firstName, firstCaption;  // mnuNext "&Proceed" or mnuFileBack "&Back"
    QString updateCaption;            // the two windows differ in its access key
    QString separator1, separator2;   // names of the Help menu's separators
};

struct MenuActions {
    QAction* first;  // Proceed or Back
    QAction* exit;
    QAction* periods;   // "&Periods of the Day..."
    QAction* calendar;  // "Add to &Calendar..."
    QAction* about;
};

MenuActions BuildMenuBar(QMainWindow* window, const MenuNames& names,
                         const std::function<void(Link)>& onLink);

}  // namespace velnora
