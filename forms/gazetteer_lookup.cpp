// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/gazetteer_lookup.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <stdexcept>

#include "ui/load_order.h"

namespace velnora {

GazetteerLookup::GazetteerLookup(LinkOpener& links, LoadOrder& loaded, LookupWindowSlot& window,
                                 std::function<QDate()> today, Finder find)
    : links_(links),
      loaded_(loaded),
      window_(window),
      today_(std::move(today)),
      find_(std::move(find)) {
    if (!find_) {
        find_ = [](const QString& text) {
            places::IndexProblem why;
            const places::Gazetteer* gazetteer = places::DefaultGazetteer(&why);
            if (!gazetteer) throw UnusableIndex(why);
            places::SearchResult found = gazetteer->Search(text, kMostPlaces);
            if (!gazetteer->Intact(&why)) throw UnusableIndex(why);  // rewritten under it
            return found;
        };
    }
}

int GazetteerLookup::Lookup(const QString& searchText, const QString& /*siteAddress*/) {
    if (!window_) {
        loaded_.record(window_.make(links_, today_()));
    } else {
        window_->setYear(today_());
    }
    LookupWindow* window = window_;
    int shown = 0;
    try {
        const places::SearchResult found = find_(searchText);
        window->ShowMatches(searchText, found);
        shown = static_cast<int>(std::min<qsizetype>(found.places.size(), kMostPlaces));
    } catch (const UnusableIndex& e) {
        window->ShowFailure(searchText, LookupWindow::ProblemText(e.problem));
    } catch (const std::exception& e) {
        window->ShowFailure(searchText, QCoreApplication::translate("velnora::LookupWindow",
                                                                    "The lookup failed (%1).")
                                            .arg(QString::fromUtf8(e.what())));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return shown;
}

CoordinateLookupFactory GazetteerLookup::Factory(LinkOpener& links, LoadOrder& loaded) {
    auto window = std::make_shared<LookupWindowSlot>();
    return [&links, &loaded, window] {
        return std::make_unique<GazetteerLookup>(links, loaded, *window);
    };
}

}  // namespace velnora
