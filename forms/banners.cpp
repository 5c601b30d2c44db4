// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/banners.h"

#include <QCoreApplication>
#include <QFrame>

#include "ui/link_label.h"
#include "ui/look.h"

namespace velnora {

namespace {

LinkLabel* AddBannerLink(QWidget* parent, const char* name, const char* caption, Link link,
                         const QRect& twipRect, const Twips& twips,
                         const std::function<void(Link)>& onLink) {
    LinkLabel* label =
        AddLink(parent, name, QCoreApplication::translate("velnora::Banners", caption),
                Verdana(8.25, true), kMaroon, twipRect, twips);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    Paint(label, Qt::white, kMaroon);
    QObject::connect(label, &LinkLabel::clicked, parent, [onLink, link] { onLink(link); });
    return label;
}

}  // namespace

void AddForumBanner(QWidget* form, const Twips& twips, const std::function<void(Link)>& onLink) {
    QFrame* frame = AddFrame(form, QStringLiteral("Frame2"), kFrameGreen, {0, 0, 9855, 615}, twips);
    //: the strip at the top of a window that links to the discussion forum
    frame->setAccessibleName(QCoreApplication::translate("velnora::Banners", "Forum"));
    AddBannerLink(frame, "Label61", kForumBannerText, Link::ForumHome, {120, 120, 9600, 585}, twips,
                  onLink);
}

void AddPromotions(QWidget* form, int top, UpperPromotion upper, const Twips& twips,
                   const std::function<void(Link)>& onLink) {
    QFrame* frame =
        AddFrame(form, QStringLiteral("Frame5"), kFrameGreen, {-120, top, 10215, 735}, twips);
    //: the strip at the bottom of a window with the promotional offers
    frame->setAccessibleName(QCoreApplication::translate("velnora::Banners", "Offers"));
    const QRect place{240, 120, 9555, 615};
    AddBannerLink(frame, "lblFullBrand", kFullBrandText, Link::FullBrandPage, place, twips, onLink);
    AddBannerLink(frame, "lblCobrand", kCobrandText, Link::CoBrandPage, place, twips, onLink);
    BringPromotionToFront(form, upper);
}

// Only the link in front is seen, so only that one takes the focus.
void BringPromotionToFront(QWidget* form, UpperPromotion upper) {
    auto* fullBrand = form->findChild<LinkLabel*>(QStringLiteral("lblFullBrand"));
    auto* cobrand = form->findChild<LinkLabel*>(QStringLiteral("lblCobrand"));
    if (!fullBrand || !cobrand) return;
    LinkLabel* front = upper == UpperPromotion::FullBrand ? fullBrand : cobrand;
    LinkLabel* behind = front == fullBrand ? cobrand : fullBrand;
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}

}  // namespace velnora
