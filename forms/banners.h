// SPDX-License-Identifier: GPL-3.0-or-later
// The advertising strips of the main and result windows: the forum banner
// `Label61` in the top strip `Frame2`, and the two promotional links
// `lblCobrand` and `lblFullBrand` sharing one rectangle in the bottom strip
// `Frame5`, where only the upper one is seen.
#pragma once

#include <QtGlobal>
#include <functional>

#include "forms/link.h"

class QWidget;

namespace velnora {

class Twips;

// Captions: "&&" shows one ampersand. They are translated in the "velnora::Banners"
// context where they are shown.
inline constexpr char kForumBannerText[] = QT_TRANSLATE_NOOP(
    "velnora::Banners",
    "Got a question about good times? Ask it in our online discussion forum. Click here to "
    "visit now!");
inline constexpr char kFullBrandText[] = QT_TRANSLATE_NOOP(
    "velnora::Banners",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");
inline constexpr char kCobrandText[] = QT_TRANSLATE_NOOP(
    "velnora::Banners",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
    "your site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

enum class UpperPromotion { FullBrand, Cobrand };

// Adds Frame2 with Label61 at the top of `form`, 615 twips high.
void AddForumBanner(QWidget* form, const Twips& twips, const std::function<void(Link)>& onLink);

// Adds Frame5 at `top` (twips) with the two promotional links, `upper` lying above.
void AddPromotions(QWidget* form, int top, UpperPromotion upper, const Twips& twips,
                   const std::function<void(Link)>& onLink);

// Lays `upper` above the other promotional link of `form`; only the one in front
// takes the focus.
void BringPromotionToFront(QWidget* form, UpperPromotion upper);

}  // namespace velnora
