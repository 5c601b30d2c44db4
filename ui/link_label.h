// SPDX-License-Identifier: GPL-3.0-or-later
// A label that acts as a web link (and the "TZ Help" link): drawn as its text in
// the label's colours, with the hand pointer, but a control all the same. It
// takes the focus from the Tab key (a click leaves the focus where it was),
// draws a focus frame, answers Enter and Space, and offers its press action to
// screen readers with its caption as name. `clicked` reports the activation.
#pragma once

#include <QAbstractButton>

namespace velnora {

class LinkLabel : public QAbstractButton {
    Q_OBJECT
public:
    // `caption` marks a literal ampersand as "&&", as every caption does.
    explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

    void setWordWrap(bool wrap) { wrap_ = wrap; }
    bool wordWrap() const { return wrap_; }
    void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
    Qt::Alignment alignment() const { return alignment_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool wrap_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

}  // namespace velnora
