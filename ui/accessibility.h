// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows tell a screen reader beyond the toolkit's defaults: a
// drop-down list announces the name it was given, not only its current entry; a
// plain frame is a group, not a window of its own; and a window built on a bare
// QWidget (the farewell and lookup windows) is a window, not a container.
#pragma once

class QComboBox;
class QString;

namespace velnora {

// Puts the interfaces above in front of the toolkit's own; call once, right
// after the application object is made. A second call changes nothing.
void InstallAccessibleRoles();

// Gives a pick-only list its accessible name and keeps its current entry
// selected in its list of entries, where a screen reader reads the value. The
// list of entries is made when first asked for, not with the list.
void NameList(QComboBox* list, const QString& name);

}  // namespace velnora
