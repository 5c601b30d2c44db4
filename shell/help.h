// SPDX-License-Identifier: GPL-3.0-or-later
// modHelp's link procedures. Each one hands its constant address to a
// LinkOpener, which in the running program is the desktop's default browser and
// in tests a recorder. Windows only ask for a Link; the shell maps it here.
#pragma once

#include <QUrl>

#include "forms/seams.h"

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
