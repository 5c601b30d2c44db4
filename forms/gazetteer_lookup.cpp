// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/gazetteer_lookup.h"

#include <algorithm>
#include <exception>

namespace velnora {

GazetteerLookup::GazetteerLookup(LinkOpener& links, LookupWindowSlot& window,
                                 std::function<QDate()> today, Finder find)
    : links_(links), window_(window), today_(std::move(today)), find_(std::move(find)) {
    if (!find_) find_ = [](const QString& text) { return places::FindPlaces(text); };
}

int GazetteerLookup::Lookup(const QString& searchText, const QString& /*siteAddress*/) {
    if (!window_) {
        window_ = new LookupWindow(links_, today_());
        window_->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        window_->setYear(today_());
    }
    LookupWindow* window = window_;
    int shown = 0;
    try {
        const QList<places::Place> found = find_(searchText);
        if (found.isEmpty() && places::GazetteerSize() == 0) {
            window->ShowFailure(searchText,
                                QStringLiteral("The offline list of places could not be read."));
        } else {
            window->ShowMatches(searchText, found);
            shown = static_cast<int>(std::min<qsizetype>(found.size(), kMostPlaces));
        }
    } catch (const std::exception& e) {
        window->ShowFailure(searchText,
                            QStringLiteral("The lookup failed (%1).").arg(QString::fromUtf8(e.what())));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return shown;
}

CoordinateLookupFactory GazetteerLookup::Factory(LinkOpener& links) {
    auto window = std::make_shared<LookupWindowSlot>();
    return [&links, window] { return std::make_unique<GazetteerLookup>(links, *window); };
}

}  // namespace velnora
