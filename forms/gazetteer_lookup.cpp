// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/gazetteer_lookup.h"

#include <algorithm>

#include "ui/load_order.h"
#include "ui/look.h"

namespace velnora {

GazetteerLookup::GazetteerLookup(LinkOpener& links, LoadOrder& loaded, LookupWindowSlot& window,
                                 Finder find, LookupRequests* requests)
    : links_(links), loaded_(loaded), window_(window), find_(std::move(find)), requests_(requests) {
    if (!find_) {
        find_ = [](const QString& text) -> Found {
            places::IndexProblem why;
            const places::Gazetteer* gazetteer = places::DefaultGazetteer(&why);
            if (!gazetteer) return why;
            places::SearchResult found = gazetteer->Search(text, kMostPlaces);
            if (!gazetteer->Intact(&why)) return why;  // rewritten under it
            return found;
        };
    }
}

int GazetteerLookup::Lookup(const QString& searchText, const QString& /*siteAddress*/,
                            const LookupContext& context) {
    const bool made = !window_;
    if (made) {
        loaded_.record(window_.make(links_, context.dateOfWork));
        if (requests_) {
            QObject::connect(window_, &LookupWindow::periodsHereRequested, requests_,
                             &LookupRequests::periodsHereRequested);
        }
    } else {
        window_->setYear(context.dateOfWork);
    }
    LookupWindow* window = window_;
    int shown = 0;
    const Found found = find_(searchText);
    if (const auto* why = std::get_if<places::IndexProblem>(&found)) {
        window->ShowFailure(searchText, LookupWindow::ProblemText(*why));
    } else {
        const auto& result = std::get<places::SearchResult>(found);
        window->ShowMatches(searchText, result);
        shown = static_cast<int>(std::min<qsizetype>(result.places.size(), kMostPlaces));
    }
    if (context.beside && (made || !window->isVisible())) PlaceBeside(window, context.beside);
    window->show();
    window->raise();
    window->activateWindow();
    return shown;
}

CoordinateLookupFactory GazetteerLookup::Factory(LinkOpener& links, LoadOrder& loaded,
                                                 LookupRequests& requests) {
    auto window = std::make_shared<LookupWindowSlot>();
    return [&links, &loaded, &requests, window] {
        return std::make_unique<GazetteerLookup>(links, loaded, *window, Finder{}, &requests);
    };
}

}  // namespace velnora
