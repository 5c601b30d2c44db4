// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's windows are laid out in twips, 1/1440 inch: 15 twips make a pixel
// at 96 dots per inch, and the screen's logical dpi scales from there. Font sizes
// are in points, fractions included (8.25, 9.75).
#pragma once

#include <QFont>
#include <QPalette>
#include <QWidget>

#include "forms/link_label.h"

namespace velnora {

inline int TwipsToPixels(int twips, int logicalDpi) {
    return qRound(twips / 15.0 * logicalDpi / 96.0);
}

// Places `w` at Left, Top, Width, Height given in twips within its container.
inline void PlaceTwips(QWidget& w, int left, int top, int width, int height) {
    const int dpi = w.logicalDpiX();
    w.setGeometry(TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
                  TwipsToPixels(height, dpi));
}

inline void SetClientTwips(QWidget& w, int width, int height) {
    const int dpi = w.logicalDpiX();
    w.setFixedSize(TwipsToPixels(width, dpi), TwipsToPixels(height, dpi));
}

inline QFont PointFont(const char* family, double points, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline void SetColour(QWidget& w, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = w.palette();
    palette.setColor(role, colour);
    w.setPalette(palette);
}

// A label that opens a web page on a click, with the hand-shaped pointer.
inline LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

}  // namespace velnora
