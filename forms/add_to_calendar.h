// SPDX-License-Identifier: GPL-3.0-or-later
// "Add to Calendar...": the favorable periods of a number of days from the
// form's date of work (all of them, or those without an almanac mark), written as the iCalendar
// file velnora-cli --ics writes for the same values, on the clock the windows chose for the
// place. The file is replaced whole or not at all.
#pragma once

#include <QString>
#include <optional>

#include "core/clock.h"
#include "files/replace_file.h"
#include "planning/listing.h"
#include "ui/calendar_dialogs.h"
#include "ui/message_boxes.h"
#include "workflow/form_values.h"

class QWidget;

namespace velnora {

// Asks for the days and the file, writes it and says how many events it holds,
// or why the file could not be written. The number of events; empty when the
// user cancelled or nothing was written. An empty `zoneFor` keeps the typed zone on every date.
std::optional<int> AddToCalendar(QWidget* parent, const FormValues& form,
                                 const ZoneForDate& zoneFor, const Clock& clock,
                                 CalendarDialogs& dialogs, MessageBoxes& boxes);

// Why a file was not written, in the user's language.
QString WriteFailureText(const WriteFailure& failure);

}  // namespace velnora
