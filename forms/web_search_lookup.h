// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate lookup the program ships with: a web search for the search text
// in the user's default browser.
#pragma once

#include <QUrl>
#include <functional>

#include "forms/seams.h"

namespace velnora {

// The search page for `searchText`, every character outside the unreserved set
// percent-encoded ("&" as %26, "+" as %2B, a blank as %20).
QUrl WebSearchUrl(const QString& searchText);

class WebSearchLookup final : public CoordinateLookup {
public:
    using Opener = std::function<bool(const QUrl&)>;
    // `open` hands the address to the browser; QDesktopServices::openUrl by default.
    explicit WebSearchLookup(Opener open = {});

    // Opens the search; the site address is not needed for it. 1 when the
    // browser took the address, 0 otherwise.
    int Lookup(const QString& searchText, const QString& siteAddress) override;

private:
    Opener open_;
};

}  // namespace velnora
