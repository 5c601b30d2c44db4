// SPDX-License-Identifier: GPL-3.0-or-later
// A frame with its caption set into the top border, filled with its own colour;
// children are placed in it by position.
#pragma once

#include <QFrame>

namespace velnora {

class CaptionFrame : public QFrame {
    Q_OBJECT
public:
    CaptionFrame(const QString& objectName, const QString& caption, const QColor& background,
                 const QColor& captionColour, QWidget* parent);

    // What the top border shows; the toolkit fits it to the frame's width.
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace velnora
