// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/metadata.h"

#include <QGuiApplication>

namespace velnora {

void SetApplicationMetadata() {
    QCoreApplication::setOrganizationName(QStringLiteral("Velnora"));
    QCoreApplication::setApplicationName(QStringLiteral("Velnora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELNORA_VERSION));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setDesktopFileName(QStringLiteral(VELNORA_APP_ID));
    }
}

}  // namespace velnora
