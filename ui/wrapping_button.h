// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose caption wraps onto more lines when it is wider than the
// button, keeping its access key.
#pragma once

#include <QPushButton>

namespace velnora {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velnora
