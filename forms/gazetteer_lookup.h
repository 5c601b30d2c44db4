// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate lookup behind "Click Here To Find Latitude && Longitude": finds
// the search text in the offline gazetteer and shows the matches in the one
// "Find Latitude & Longitude" window (made on the first click, reused after
// until the user closes it).
// It is given only the two texts, so it cannot change the main form.
#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <variant>

#include "forms/coordinate_lookup.h"
#include "forms/lookup_window.h"
#include "places/places.h"
#include "ui/window_slot.h"

namespace velnora {

class LinkOpener;
class LoadOrder;

// Where the lookups that made the window keep it; empty once it is closed.
using LookupWindowSlot = WindowSlot<LookupWindow>;

// What the lookup window asks of the other windows, passed on from whichever
// window is open; the code that makes the lookups connects it.
class LookupRequests : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void periodsHereRequested(const velnora::places::Place& place);
};

class GazetteerLookup final : public CoordinateLookup {
public:
    // The places found, or why the list of places cannot be used.
    using Found = std::variant<places::SearchResult, places::IndexProblem>;
    using Finder = std::function<Found(const QString& searchText)>;

    // `links` opens the web search; the window is made in `window` (and recorded
    // in `loaded`) or reused from it, and passes its requests on to `requests`.
    // `find` replaces the program's own gazetteer (opened on the first search).
    GazetteerLookup(LinkOpener& links, LoadOrder& loaded, LookupWindowSlot& window,
                    Finder find = {}, LookupRequests* requests = nullptr);

    // Shows the places found for `searchText`, with the daylight-saving dates of
    // the year of work, in a window beside the one the lookup came from (made
    // there, or moved there when it was hidden behind it), and returns how many.
    // The site address is not needed: the gazetteer is on this computer. A
    // failure is shown in the window and gives 0.
    int Lookup(const QString& searchText, const QString& siteAddress,
               const LookupContext& context) override;

    // The main form's lookups: one for each click, all sharing one window.
    static CoordinateLookupFactory Factory(LinkOpener& links, LoadOrder& loaded,
                                           LookupRequests& requests);

private:
    LinkOpener& links_;
    LoadOrder& loaded_;
    LookupWindowSlot& window_;
    Finder find_;
    LookupRequests* requests_;
};

}  // namespace velnora
