// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate lookup behind "Click Here To Find Latitude && Longitude": finds
// the search text in the offline gazetteer and shows the matches in the one
// "Find Latitude & Longitude" window (made on the first click, reused after).
// It is given only the two texts, so it cannot change the main form.
#pragma once

#include <QDate>
#include <QList>
#include <functional>
#include <memory>

#include "forms/lookup_window.h"
#include "forms/seams.h"
#include "places/places.h"

namespace velnora {

// QDesktopServices: the default browser.
void OpenInBrowser(const QUrl& address);

class GazetteerLookup final : public CoordinateLookup {
public:
    using Finder = std::function<places::SearchResult(const QString& searchText)>;

    // `today` picks the year whose daylight-saving rules are shown; `find`
    // replaces the program's own gazetteer (opened on the first search).
    explicit GazetteerLookup(OpenUrl open = OpenInBrowser,
                             std::function<QDate()> today = &QDate::currentDate, Finder find = {});

    // Shows the places found for `searchText` and returns how many. The site
    // address is not needed: the gazetteer is on this computer. A failure is
    // shown in the window and gives 0.
    int Lookup(const QString& searchText, const QString& siteAddress) override;

    // For the main form's CoordinateLookupFactory.
    static std::unique_ptr<CoordinateLookup> Make();

private:
    OpenUrl open_;
    std::function<QDate()> today_;
    Finder find_;
};

}  // namespace velnora
