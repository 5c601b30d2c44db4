// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/link_label.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/look.h"

namespace velnora {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setAccessibleName(CaptionText(caption));
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click opens the page and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

QSize LinkLabel::sizeHint() const {
    return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(4, 2);
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int flags = static_cast<int>(alignment_) | Qt::TextShowMnemonic;
    if (wrap_) flags |= Qt::TextWordWrap;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(1, 0, -1, 0), flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

// Space is the button's own key; Enter opens the link as well.
void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace velnora
