// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/link_label.h"

#include <QMouseEvent>

namespace velnora {

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

}  // namespace velnora
