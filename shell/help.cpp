// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help.h"

#include "ui/addresses.h"

namespace velnora {

void Help::OpenForumHome() { OpenAddress(QString::fromLatin1(address::kForumHome)); }
void Help::OpenSoftwareCatalogue() {
    OpenAddress(QString::fromLatin1(address::kSoftwareCatalogue));
}
void Help::OpenOnlineHelp() { OpenAddress(QString::fromLatin1(address::kOnlineHelp)); }
void Help::OpenDownloadPage() { OpenAddress(QString::fromLatin1(address::kDownloadPage)); }
void Help::OpenDonationPage() { OpenAddress(QString::fromLatin1(address::kDonationPage)); }
void Help::OpenCoBrandPage() { OpenAddress(QString::fromLatin1(address::kCoBrandPage)); }
void Help::OpenFullBrandPage() { OpenAddress(QString::fromLatin1(address::kFullBrandPage)); }

void Help::Open(Link link) {
    switch (link) {
        case Link::ForumHome:
            return OpenForumHome();
        case Link::SoftwareCatalogue:
            return OpenSoftwareCatalogue();
        case Link::OnlineHelp:
            return OpenOnlineHelp();
        case Link::DownloadPage:
            return OpenDownloadPage();
        case Link::DonationPage:
            return OpenDonationPage();
        case Link::CoBrandPage:
            return OpenCoBrandPage();
        case Link::FullBrandPage:
            return OpenFullBrandPage();
    }
}

void Help::OpenAddress(const QString& encoded) {
    opener_.open(QUrl::fromEncoded(encoded.toUtf8(), QUrl::TolerantMode));
}

}  // namespace velnora
