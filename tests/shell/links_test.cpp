// SPDX-License-Identifier: GPL-3.0-or-later
// Help: each link procedure, and each Link a window can ask for, opens its
// own constant address through the link seam.
#include <gtest/gtest.h>

#include "doubles.h"
#include "ui/addresses.h"

namespace velnora {
namespace {

using testing::RecordingOpener;

struct LinkRow {
    const char* name;
    Link link;
    void (Help::*procedure)();
    const char* address;
};

const LinkRow kLinkRows[] = {
    {"forum-home", Link::ForumHome, &Help::OpenForumHome, address::kForumHome},
    {"software-catalogue", Link::SoftwareCatalogue, &Help::OpenSoftwareCatalogue,
     address::kSoftwareCatalogue},
    {"online-help", Link::OnlineHelp, &Help::OpenOnlineHelp, address::kOnlineHelp},
    {"download-page", Link::DownloadPage, &Help::OpenDownloadPage, address::kDownloadPage},
    {"donation-page", Link::DonationPage, &Help::OpenDonationPage, address::kDonationPage},
    {"co-brand-page", Link::CoBrandPage, &Help::OpenCoBrandPage, address::kCoBrandPage},
    {"full-brand-page", Link::FullBrandPage, &Help::OpenFullBrandPage, address::kFullBrandPage},
};

TEST(ModHelp, EveryProcedureAndLinkOpensItsOwnPage) {
    QStringList all;
    for (const LinkRow& row : kLinkRows) {
        RecordingOpener opener;
        Help help(opener);
        (help.*row.procedure)();
        help.Open(row.link);
        const QString page = QString::fromLatin1(row.address);
        EXPECT_EQ(opener.opened, (QStringList{page, page})) << row.name;
        EXPECT_TRUE(page.startsWith(QStringLiteral("https://velnora.example/"))) << row.name;
        all << page;
    }
    all.removeDuplicates();
    EXPECT_EQ(all.size(), std::size(kLinkRows));
}

}  // namespace
}  // namespace velnora
