// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the modal About box. Its two link labels go through Help; OK,
// Enter and Escape close it and the window that opened it carries on.
#pragma once

#include <QDialog>

class QPushButton;

namespace velnora {

class Help;
class LinkLabel;

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(Help& help, QWidget* parent);

    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

private:
    Help& help_;
    LinkLabel* lblHomePage_ = nullptr;
    LinkLabel* lblCoBrand_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace velnora
