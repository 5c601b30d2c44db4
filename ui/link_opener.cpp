// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/link_opener.h"

#include <QDesktopServices>
#include <QString>

#include "ui/addresses.h"

namespace velnora {

void DesktopLinkOpener::open(const QUrl& address) { QDesktopServices::openUrl(address); }

QUrl WebSearchAddress(const QString& searchText) {
    QUrl url(QString::fromLatin1(address::kWebSearch));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                 QUrl::StrictMode);
    return url;
}

}  // namespace velnora
