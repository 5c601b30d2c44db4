// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_icon.h"

#include <QImageReader>

static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace velnora {

QIcon ProgramIcon() {
    initShellResources();
    if (QImageReader::supportedImageFormats().contains("svg"))
        return QIcon(QStringLiteral(":/velnora/velnora.svg"));
    return QIcon(QStringLiteral(":/velnora/velnora.png"));
}

}  // namespace velnora
