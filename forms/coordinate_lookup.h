// SPDX-License-Identifier: GPL-3.0-or-later
// The main form's coordinate lookup, which tests replace.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace velnora {

// Where a lookup comes from: the form's date of work, whose year's
// daylight-saving rules the places are shown with, and the window the lookup
// opens beside (none: where the system puts it).
struct LookupContext {
    QDate dateOfWork;
    const QWidget* beside = nullptr;
};

// Looks up a place's coordinates for the user. Takes the search text, the
// maker's home-page address and where the lookup comes from; the caller ignores
// the result and the lookup writes nothing into the main form.
class CoordinateLookup {
public:
    virtual ~CoordinateLookup() = default;
    virtual int Lookup(const QString& searchText, const QString& siteAddress,
                       const LookupContext& context) = 0;
};

// A new lookup is made for each click and released when the click is handled.
using CoordinateLookupFactory = std::function<std::unique_ptr<CoordinateLookup>()>;

}  // namespace velnora
