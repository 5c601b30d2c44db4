// SPDX-License-Identifier: GPL-3.0-or-later
// frmDisplay: shows one evaluation. It computes nothing: setResult writes the
// sixteen texts into their labels. "&Back" asks for the input window again
// (backRequested); Exit, Escape and the close box unload the window.
#pragma once

#include <QMainWindow>

#include "forms/seams.h"
#include "workflow/evaluation.h"

class QPushButton;

namespace velnora {

class FrmDisplay : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmDisplay(QWidget* parent = nullptr);

    void setResult(const EvaluationResult& result);

Q_SIGNALS:
    void backRequested();
    void linkRequested(velnora::Link link);
    void aboutRequested(QWidget* parent);
    void unloading();  // the window is closing; it is deleted afterwards

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Escape presses Exit

private:
    QPushButton* cmdExit_ = nullptr;
};

}  // namespace velnora
