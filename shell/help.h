// SPDX-License-Identifier: GPL-3.0-or-later
// Help: the link procedures of the program. Each one hands its constant address to the
// program's one LinkOpener. Windows only ask for a Link; the shell maps it here.
#pragma once

#include "forms/link.h"
#include "ui/link_opener.h"

namespace velnora {

class Help {
public:
    explicit Help(LinkOpener& opener) : opener_(opener) {}

    void OpenForumHome();
    void OpenSoftwareCatalogue();
    void OpenOnlineHelp();
    void OpenDownloadPage();
    void OpenDonationPage();
    void OpenCoBrandPage();
    void OpenFullBrandPage();

    // The link procedure a window's linkRequested(link) stands for.
    void Open(Link link);

    // An address built at run time (the referral); `encoded` is already
    // percent-encoded and is passed on unchanged.
    void OpenAddress(const QString& encoded);

private:
    LinkOpener& opener_;
};

}  // namespace velnora
