// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program opens a web address: every link label, menu entry, the
// update reminder, the referral and the place lookup's web search hand their
// address to a LinkOpener. The running program's opener is the desktop's default
// browser; tests record the addresses instead.
#pragma once

#include <QUrl>

class QString;

namespace velnora {

// Opens a web address and returns at once; a failure is not reported.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void open(const QUrl& address) = 0;
};

// The real thing: QDesktopServices::openUrl.
class DesktopLinkOpener final : public LinkOpener {
public:
    void open(const QUrl& address) override;
};

// The web search page for `searchText`, every character outside the unreserved
// set percent-encoded ("&" as %26, "+" as %2B, a blank as %20).
QUrl WebSearchAddress(const QString& searchText);

}  // namespace velnora
