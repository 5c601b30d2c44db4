// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/windows.h"

#include "forms/frm_display.h"
#include "forms/frm_main.h"
#include "ui/look.h"

namespace velnora {

Windows::Windows(MessageBoxes& boxes, CoordinateLookupFactory lookup, QObject* parent)
    : QObject(parent), boxes_(boxes), lookup_(std::move(lookup)) {}

Windows::~Windows() {
    delete display_.data();
    delete main_.data();
}

FrmMain* Windows::main() const { return main_; }

FrmDisplay* Windows::display() const { return display_; }

void Windows::showMain() {
    if (!main_) {
        main_ = new FrmMain(boxes_, lookup_);
        connect(main_, &FrmMain::evaluated, this, &Windows::showResult);
        connect(main_, &FrmMain::linkRequested, this, &Windows::linkRequested);
        connect(main_, &FrmMain::aboutRequested, this, &Windows::aboutRequested);
        connect(main_, &FrmMain::unloading, this, [this] {
            QWidget* window = main_;
            main_ = nullptr;
            Q_EMIT unloaded(window);
        });
        CentreOnScreen(main_);
        Q_EMIT loaded(main_);
    }
    main_->show();
}

void Windows::showResult(const EvaluationResult& result) {
    main_->hide();
    Q_EMIT farewellHideRequested();
    if (!display_) {
        display_ = new FrmDisplay;
        connect(display_, &FrmDisplay::backRequested, this, &Windows::back);
        connect(display_, &FrmDisplay::linkRequested, this, &Windows::linkRequested);
        connect(display_, &FrmDisplay::aboutRequested, this, &Windows::aboutRequested);
        connect(display_, &FrmDisplay::unloading, this, [this] {
            QWidget* window = display_;
            display_ = nullptr;
            Q_EMIT unloaded(window);
        });
        CentreOnScreen(display_);
        Q_EMIT loaded(display_);
    }
    display_->setResult(result);
    display_->show();
}

void Windows::back() {
    if (display_) display_->close();
    showMain();
    Q_EMIT farewellHideRequested();
}

}  // namespace velnora
