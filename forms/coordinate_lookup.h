// SPDX-License-Identifier: GPL-3.0-or-later
// The main form's coordinate lookup, which tests replace.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace velnora {

// Looks up a place's coordinates for the user. Takes the search text and the
// maker's home-page address, in that order; the caller ignores the result and the
// lookup writes nothing into the main form.
class CoordinateLookup {
public:
    virtual ~CoordinateLookup() = default;
    virtual int Lookup(const QString& searchText, const QString& siteAddress) = 0;
};

// A new lookup is made for each click and released when the click is handled.
using CoordinateLookupFactory = std::function<std::unique_ptr<CoordinateLookup>()>;

}  // namespace velnora
