// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/banners.h"

#include <QFrame>

#include "forms/link_label.h"
#include "forms/look.h"

namespace velnora {

namespace {

LinkLabel* AddLink(QWidget* parent, const char* name, const char* text, Link link,
                   const QRect& twipRect, const Twips& twips,
                   const std::function<void(Link)>& onLink) {
    auto* label = new LinkLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Verdana(8.25, true));
    label->setCursor(Qt::PointingHandCursor);
    Paint(label, Qt::white, kMaroon);
    label->setGeometry(twips.rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height()));
    QObject::connect(label, &LinkLabel::clicked, parent, [onLink, link] { onLink(link); });
    return label;
}

}  // namespace

void AddForumBanner(QWidget* form, const Twips& twips, const std::function<void(Link)>& onLink) {
    QFrame* frame = AddFrame(form, QStringLiteral("Frame2"), kFrameGreen, {0, 0, 9855, 615}, twips);
    AddLink(frame, "Label61", kForumBannerText, Link::ForumHome, {120, 120, 9600, 585}, twips,
            onLink);
}

void AddPromotions(QWidget* form, int top, UpperPromotion upper, const Twips& twips,
                   const std::function<void(Link)>& onLink) {
    QFrame* frame =
        AddFrame(form, QStringLiteral("Frame5"), kFrameGreen, {-120, top, 10215, 735}, twips);
    const QRect place{240, 120, 9555, 615};
    auto fullBrand = [&] {
        AddLink(frame, "lblFullBrand", kFullBrandText, Link::FullBrandPage, place, twips, onLink);
    };
    auto cobrand = [&] {
        AddLink(frame, "lblCobrand", kCobrandText, Link::CoBrandPage, place, twips, onLink);
    };
    // Siblings made later lie above those made earlier.
    if (upper == UpperPromotion::FullBrand) {
        cobrand();
        fullBrand();
    } else {
        fullBrand();
        cobrand();
    }
}

}  // namespace velnora
