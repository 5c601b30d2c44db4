// SPDX-License-Identifier: GPL-3.0-or-later
// frmDisplay: shows one evaluation. It computes nothing: setResult writes the
// sixteen values into their labels as texts. "&Back" asks for the input window again
// (backRequested); Exit, Escape and the close box unload the window. It keeps
// the form's values the result was computed from, for the "&Plan" entries.
#pragma once

#include <vector>

#include "forms/menus.h"
#include "workflow/evaluation.h"

class QLabel;
class QPushButton;

namespace velnora {

class Twips;

class FrmDisplay : public MenuWindow {
    Q_OBJECT
public:
    explicit FrmDisplay(QWidget* parent = nullptr);

    void setResult(const EvaluationResult& result, const FormValues& form);

Q_SIGNALS:
    void backRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape, and an unused Enter, press Exit

private:
    // A label that shows one text of the result, and which.
    struct Value {
        std::size_t index;  // in kResultLabels
        QLabel* label;
    };
    QLabel* AddValue(QWidget* parent, const char* name, const QString& description,
                     const QFont& font, const QColor& colour, const QRect& at, const Twips& twips);

    QPushButton* cmdExit_ = nullptr;
    std::vector<Value> values_;
    FormValues form_;
};

}  // namespace velnora
