// SPDX-License-Identifier: GPL-3.0-or-later
// The window toolkit every window is built with: positions in twips, the fonts
// with their fallback, the colours, captions with access keys, and small
// builders for the labels, link labels, buttons and frames windows are made of.
//
// Layouts are written in twips (1/1440 inch) and turned into pixels here:
// 15 twips to a pixel at 96 dots per inch, scaled with the screen's logical DPI.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace velnora {

class CaptionFrame;
class LinkLabel;

inline const QColor kFormBlue(68, 136, 249);
inline const QColor kFrameGreen(162, 198, 15);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kPaleYellow(255, 255, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kNavy(0, 0, 128);

class Twips {
public:
    explicit Twips(double logicalDpi = 96.0) : scale_(logicalDpi / 96.0 / 15.0) {}
    static Twips For(const QWidget* widget);

    int px(int twips) const;
    QRect rect(int left, int top, int width, int height) const;
    void place(QWidget* widget, int left, int top, int width, int height) const;
    // A window whose client area is fixed at this size.
    void fixSize(QWidget* window, int width, int height) const;

private:
    double scale_;
};

// Verdana in the given point size, or the closest sans-serif Debian has. Under a
// Hindi or Gujarati locale the script's Lohit (or Noto) font comes first.
QFont Verdana(double points, bool bold = false);
// MS Sans Serif, or the same fallback as Verdana.
QFont MsSansSerif(double points, bool bold = false);

// Gives the widget `font` unless it already inherits an equal one: an explicit
// font costs a resolution pass per widget when the window is built.
void UseFont(QWidget* widget, const QFont& font);

// For as long as it lives, a font made without a widget is `font`. A line edit
// lays out its empty text in that font while it is made, before it takes its
// window's, so in a window with a font of its own each would otherwise load the
// system's font, which the window never shows. The widgets made meanwhile
// resolve their fonts as they would have: `font` is the window's own, resolved.
class DefaultFontWhileBuilding {
public:
    explicit DefaultFontWhileBuilding(const QFont& font);
    ~DefaultFontWhileBuilding();
    DefaultFontWhileBuilding(const DefaultFontWhileBuilding&) = delete;
    DefaultFontWhileBuilding& operator=(const DefaultFontWhileBuilding&) = delete;

private:
    QFont saved_;
};

// Background and text colour; the widget then fills its own background.
void Paint(QWidget* widget, const QColor& background, const QColor& text);

// A caption with its access-key markers removed: "&Proceed" -> "Proceed",
// "Latitude && Longitude" -> "Latitude & Longitude".
QString CaptionText(const QString& caption);

// A plain-text label with the given name, font and colour, placed in twips. A
// one-line label grows to hold its text in the font at hand.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 const QColor& colour, const QRect& twips, const Twips& scale, bool wrap = false);

// Text colour only; the widget keeps its parent's background.
void SetTextColour(QWidget* widget, const QColor& text);

// A link label with the given name, font and text colour on its parent's
// background, placed in twips.
LinkLabel* AddLink(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                   const QColor& colour, const QRect& twips, const Twips& scale);

// Names, styles (bold Verdana on the form's blue) and places a new push button;
// PlaceButton returns it.
void StyleButton(QPushButton* button, const char* name, const QRect& twips, const Twips& scale);

template <class Button>
Button* PlaceButton(Button* button, const char* name, const QRect& twips, const Twips& scale) {
    StyleButton(button, name, twips, scale);
    return button;
}

// A frame without caption and a frame with one, filled with `background`.
QFrame* AddFrame(QWidget* parent, const QString& name, const QColor& background, const QRect& twips,
                 const Twips& scale);
CaptionFrame* AddCaptionedFrame(QWidget* parent, const QString& name, const QString& caption,
                                const QFont& font, const QColor& background,
                                const QColor& captionColour, const QRect& twips,
                                const Twips& scale);

// Places a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);
// Places a top-level window beside `anchor`'s window on its screen: to the right
// where it fits, else to the left, else on the side with more room, overlapping
// as little as the screen allows; level with its top.
void PlaceBeside(QWidget* window, const QWidget* anchor);

}  // namespace velnora
