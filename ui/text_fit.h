// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps every text of a window inside the place its control has, whatever the
// language: a window laid out for English keeps its sizes and positions, and a
// longer or taller translation first wraps where its control has the height for
// more lines, then takes a smaller font, down to a floor that stays readable.
// Texts that fit are left alone, so an English window is as it was drawn.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <vector>

class QWidget;

namespace velnora {

// The smallest point size a text is shrunk to.
inline constexpr double kSmallestPoints = 6.0;

// The size `text` takes in `font`: one line per paragraph, or wrapped at
// `wrapWidth` pixels when that is not negative.
QSize TextSize(const QString& text, const QFont& font, int wrapWidth = -1);
// TextSize(text, font) of a control that shows `text` on one line per paragraph,
// kept with the control: placing it measures the text, and fitting its window
// afterwards takes that size as long as the text and font are still the same.
QSize KeptTextSize(QWidget* control, const QString& text, const QFont& font);
// The height of `text` on one line per paragraph: TextSize's height, without
// measuring the widths.
int TextHeight(const QString& text, const QFont& font);

// A control whose text does not fit: the room it has and the room it needs.
struct Overflow {
    QWidget* widget;
    QString text;
    QSize room;
    QSize needed;
};

// The texts of `widget` itself (caption, entries of a list) that do not fit its
// geometry, or that lie outside its parent; empty when all fit. Labels, buttons,
// link labels, option buttons, captioned frames, drop-down and plain lists count.
std::vector<Overflow> Overflows(QWidget* widget);

// Fits every text of `window` and its children; call it when the window is built
// and again after its texts change.
void FitTexts(QWidget* window);

}  // namespace velnora
