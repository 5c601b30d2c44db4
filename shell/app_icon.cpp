// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_icon.h"

static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace velnora {

QIcon ProgramIcon() {
    initShellResources();
    return QIcon(QStringLiteral(":/velnora/velnora.png"));
}

}  // namespace velnora
