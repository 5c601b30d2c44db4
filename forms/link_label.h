// SPDX-License-Identifier: GPL-3.0-or-later
// A label that reports a click (press and release over it), for the web links
// and the "TZ Help" link.
#pragma once

#include <QLabel>

namespace velnora {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace velnora
