// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/gazetteer_lookup.h"

#include <QApplication>
#include <QDesktopServices>
#include <algorithm>
#include <exception>
#include <stdexcept>

namespace velnora {

namespace {

LookupWindow* ShownWindow(const OpenUrl& open, QDate year) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<LookupWindow*>(w)) return window;
    }
    auto* window = new LookupWindow(open, year);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

}  // namespace

void OpenInBrowser(const QUrl& address) { QDesktopServices::openUrl(address); }

GazetteerLookup::GazetteerLookup(OpenUrl open, std::function<QDate()> today, Finder find)
    : open_(std::move(open)), today_(std::move(today)), find_(std::move(find)) {
    if (!find_) {
        find_ = [](const QString& text) {
            QString why;
            const places::Gazetteer* gazetteer = places::DefaultGazetteer(&why);
            if (!gazetteer) throw std::runtime_error(why.toStdString());
            return gazetteer->Search(text, kMostPlaces);
        };
    }
}

int GazetteerLookup::Lookup(const QString& searchText, const QString& /*siteAddress*/) {
    LookupWindow* window = ShownWindow(open_, today_());
    int shown = 0;
    try {
        const places::SearchResult found = find_(searchText);
        window->ShowMatches(searchText, found);
        shown = static_cast<int>(std::min<qsizetype>(found.places.size(), kMostPlaces));
    } catch (const std::exception& e) {
        window->ShowFailure(
            searchText, QStringLiteral("The lookup failed (%1).").arg(QString::fromUtf8(e.what())));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return shown;
}

std::unique_ptr<CoordinateLookup> GazetteerLookup::Make() {
    return std::make_unique<GazetteerLookup>();
}

}  // namespace velnora
