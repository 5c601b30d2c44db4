// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/gazetteer_lookup.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <stdexcept>

#include "ui/load_order.h"
#include "ui/look.h"

namespace velnora {

GazetteerLookup::GazetteerLookup(LinkOpener& links, LoadOrder& loaded, LookupWindowSlot& window,
                                 Finder find)
    : links_(links), loaded_(loaded), window_(window), find_(std::move(find)) {
    if (!find_) {
        find_ = [](const QString& text) {
            places::IndexProblem why;
            const places::Gazetteer* gazetteer = places::DefaultGazetteer(&why);
            if (!gazetteer) throw UnusableIndex(why);
            return gazetteer->Search(text, kMostPlaces);
        };
    }
}

int GazetteerLookup::Lookup(const QString& searchText, const QString& /*siteAddress*/,
                            const LookupContext& context) {
    const bool made = !window_;
    if (made) {
        window_ = new LookupWindow(links_, context.dateOfWork);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        loaded_.record(window_);
    } else {
        window_->setYear(context.dateOfWork);
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
    if (context.beside && (made || !window->isVisible())) PlaceBeside(window, context.beside);
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
