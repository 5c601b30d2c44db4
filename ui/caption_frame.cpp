// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/caption_frame.h"

#include <QPainter>

#include "ui/look.h"

namespace velnora {

CaptionFrame::CaptionFrame(const QString& objectName, const QString& caption,
                           const QColor& background, const QColor& captionColour, QWidget* parent)
    : QFrame(parent), caption_(caption) {
    setObjectName(objectName);
    setAccessibleName(caption);
    Paint(this, background, captionColour);
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int middle = metrics.height() / 2;
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(rect().adjusted(1, middle + 1, -1, -1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, middle, -2, -2));
    const int left = 6;
    const QRect text(left, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}

}  // namespace velnora
