// SPDX-License-Identifier: GPL-3.0-or-later
// The program's caption, from the project version of the build, and the one
// sentence that says what it does, shown by the main window and the About box.
#pragma once

#include <QtGlobal>

namespace velnora {

// Every window's title and the name line of About and of the farewell window.
inline constexpr char kProgramCaption[] = "Velnora v" VELNORA_CAPTION_VERSION;

// Shown translated in the "velnora::Program" context.
inline constexpr char kProgramDescription[] = QT_TRANSLATE_NOOP(
    "velnora::Program",
    "Velnora helps you find a favorable period during which you can start an important task. "
    "Perform important tasks in the favorable period and avoid them during the unfavorable "
    "period for good results.");

}  // namespace velnora
