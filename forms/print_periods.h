// SPDX-License-Identifier: GPL-3.0-or-later
// "Print..." and "Save as PDF..." of the periods window: the date shown or its
// month, laid out as printed pages in the windows' words. Print shows them in a
// print preview; Save as PDF writes the file whole or not at all and says where.
#pragma once

#include "core/date_time.h"
#include "print/pages.h"
#include "print/print_dialogs.h"
#include "ui/message_boxes.h"
#include "workflow/form_values.h"

class QWidget;

namespace velnora {

enum class PrintTarget { Printer, Pdf };

// The windows' words for the printed pages.
PageWords WindowWords();

// Asks what to print and prints `shown` or its month at the form's place, every
// time as `wall` shows it. True when the pages went to the preview or the file.
bool PrintPeriods(QWidget* parent, const Plan& plan, const Date& shown, const WallReading& wall,
                  PrintTarget target, PrintDialogs& dialogs, MessageBoxes& boxes);

}  // namespace velnora
