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
// Sent as taf6 of the referral and handed to the coordinate lookup as the maker's site.
inline constexpr char kProgramHomePage[] = "https://velnora.example/";
// The web search the place lookup offers when the offline list has no answer.
inline constexpr char kWebSearch[] = "https://duckduckgo.com/";

}  // namespace velnora::address
