// SPDX-License-Identifier: GPL-3.0-or-later
// frmFarewell: shown when the main or result window closes. It stays above other
// windows without taking the focus, shows one of four appeals drawn at load,
// links to the forum and the maker's other programs, and holds the refer-a-friend
// form whose fields go to SubmitReferral. Exit and the close box ask the shell to
// end the program.
#pragma once

#include <QWidget>
#include <array>

#include "shell/tell_a_friend.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velnora {

class Help;
class LinkLabel;
class MessageBoxes;
class Random;

// k = whole part of r * 4, for r in [0, 1).
int AppealIndex(double r);
QString FarewellAppeal(int k);

class FrmFarewell : public QWidget {
    Q_OBJECT
public:
    // Form_Load: builds the window and draws its appeal; the shell shows or hides it.
    FrmFarewell(MessageBoxes& boxes, Random& random, Help& help);

    void cmdClose_Click();
    void Check1_Click(bool ticked);
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    // The five fields as cmdSubmit_Click last stored them.
    const ReferralFields& referralFields() const { return fields_; }

Q_SIGNALS:
    // Exit or the close box: EndProgram.
    void endProgramRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TextBox {
        QWidget* box;
        const char* placeholder;
    };
    QString textOf(const QWidget* box) const;
    QString fieldOf(const TextBox& entry) const;
    void setTextOf(QWidget* box, const QString& text);
    const TextBox* findBox(const QObject* watched) const;

    MessageBoxes& boxes_;
    Help& help_;
    ReferralFields fields_;

    QPushButton* cmdClose_ = nullptr;
    QPushButton* Check1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
    LinkLabel* lblGoToHome_ = nullptr;
    std::array<TextBox, 5> boxes5_{};
};

}  // namespace velnora
