// SPDX-License-Identifier: GPL-3.0-or-later
// Every web address the program opens, in one place. The maker's pages are not
// published yet, so all of them live under the reserved velnora.example domain.
#pragma once

namespace velnora::address {

inline constexpr char kForumHome[] = "https://velnora.example/forum/";
inline constexpr char kSoftwareCatalogue[] = "https://velnora.example/software/";
inline constexpr char kOnlineHelp[] = "https://velnora.example/help/";
inline constexpr char kDownloadPage[] = "https://velnora.example/download/";
inline constexpr char kDonationPage[] = "https://velnora.example/donate/";
inline constexpr char kCoBrandPage[] = "https://velnora.example/co-brand/";
inline constexpr char kFullBrandPage[] = "https://velnora.example/full-brand/";
inline constexpr char kReferAFriendScript[] = "https://velnora.example/refer-a-friend";
inline constexpr char kProgramHomePage[] = "https://velnora.example/";

}  // namespace velnora::address
