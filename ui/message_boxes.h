// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes: titled "Velnora", with an OK button (show) or Yes
// and No (ask) and the critical or information icon. Windows talk to the
// interface; tests record what would have been shown.
#pragma once

#include <QString>

#include "workflow/form_values.h"

class QWidget;

namespace velnora {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, const QString& text, Icon icon) = 0;
    virtual bool ask(QWidget* parent, const QString& text, Icon icon) = 0;  // true on Yes
};

// The real thing: QMessageBox.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text, Icon icon) override;
    bool ask(QWidget* parent, const QString& text, Icon icon) override;
};

}  // namespace velnora
