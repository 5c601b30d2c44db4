// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/web_search_lookup.h"

#include <QDesktopServices>

namespace velnora {

namespace {
constexpr char kSearchPage[] = "https://duckduckgo.com/";
}

QUrl WebSearchUrl(const QString& searchText) {
    QUrl url(QString::fromLatin1(kSearchPage));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                 QUrl::StrictMode);
    return url;
}

WebSearchLookup::WebSearchLookup(Opener open) : open_(std::move(open)) {
    if (!open_) open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

int WebSearchLookup::Lookup(const QString& searchText, const QString& /*siteAddress*/) {
    return open_(WebSearchUrl(searchText)) ? 1 : 0;
}

}  // namespace velnora
