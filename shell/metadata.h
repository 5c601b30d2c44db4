// SPDX-License-Identifier: GPL-3.0-or-later
// The program's name, version and desktop id on the application object, from the
// build's one source of them (the project version and VELNORA_APP_ID). The
// organisation and application names also place the settings store.
#pragma once

namespace velnora {

void SetApplicationMetadata();

}  // namespace velnora
