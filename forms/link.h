// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed web pages. Windows emit linkRequested(Link); the shell opens the page.
#pragma once

namespace velnora {

enum class Link {
    ForumHome,
    SoftwareCatalogue,
    OnlineHelp,
    DownloadPage,
    DonationPage,
    CoBrandPage,
    FullBrandPage,
};

}  // namespace velnora
